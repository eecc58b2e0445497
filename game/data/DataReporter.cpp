#include "DataReporter.h"

std::string InstallationErrorText(const std::string& Message)
{
    return Message + "\nPlease check your installation. Also check if there has been an update.\n"
                     "Please contact us if you need any help.";
}
