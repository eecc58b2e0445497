// The library as a delivered file and the publisher's program that drives it:
// only the six exports are visible, and tavrel-issue round-trips files
// through encrypt/decrypt and sign/verify with the exit statuses it promises.

#include "ShellCommand.h"

#include <gtest/gtest.h>

#if defined(__linux__)
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

namespace {

#if defined(__linux__)
std::string ReadAll(const std::string& FileName)
{
    std::ifstream in(FileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& FileName, const std::string& Bytes)
{
    std::ofstream(FileName, std::ios::binary) << Bytes;
}
#endif

TEST(Library, ExportsOnlyTheSixFunctions)
{
#if !defined(__linux__)
    GTEST_SKIP() << "the export table is checked with nm on Linux";
#else
    int status = 0;
    Shell("command -v nm", &status);
    if (status != 0) {
        GTEST_SKIP() << "nm is not installed";
    }
    const std::string table = Shell(std::string("nm -D --defined-only '") + ENCRYPT_LIBRARY_FILE + "'", &status);
    ASSERT_EQ(status, 0) << table;
    std::set<std::string> functions;
    std::set<std::string> others;
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (!(fields >> address >> type >> name)) {
            continue;
        }
        (type == "T" || type == "W" || type == "i" ? functions : others).insert(name);
    }
    EXPECT_EQ(functions, (std::set<std::string>{"DecryptStream", "EncryptStream", "GetHash", "GetHash2",
                                                "GetStreamHash", "VerifyStream"}));
    // Beside them, at most the exception base's type information and vtable.
    for (const std::string& name : others) {
        EXPECT_TRUE(name == "_ZTI9Exception" || name == "_ZTS9Exception" || name == "_ZTV9Exception") << name;
    }
#endif
}

TEST(Library, IssueProgramRoundTrips)
{
#if !defined(__linux__)
    GTEST_SKIP() << "runs the program through the shell";
#else
    const std::string program = TAVREL_ISSUE_PROGRAM;
    // A folder of this run's own, so that builds testing side by side do not meet.
    const std::filesystem::path scratch =
        std::filesystem::path(::testing::TempDir()) / ("tavrel_crypto_" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    const std::string folder = scratch.string() + "/";
    const std::string plain = folder + "tavrel_crypto_plain.bin";
    std::string bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes += static_cast<char>(i * 31 + 5);
    }
    WriteAll(plain, bytes);
    int status = -1;

    WriteAll(folder + "tavrel_crypto_abc.txt", "abc");
    EXPECT_EQ(Shell(program + " md5 " + folder + "tavrel_crypto_abc.txt", &status),
              "900150983cd24fb0d6963f7d28e17f72\n");
    EXPECT_EQ(status, 0);

    const std::string key = "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f";
    Shell(program + " encrypt " + key + " " + plain + " " + plain + ".enc", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadAll(plain + ".enc").size(), 1008u);
    Shell(program + " decrypt " + key + " " + plain + ".enc " + plain + ".dec", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadAll(plain + ".dec"), bytes);
    const std::string wrongKey =
        Shell(program + " decrypt ff" + key.substr(2) + " " + plain + ".enc " + plain + ".bad", &status);
    EXPECT_TRUE(status == 2 || ReadAll(plain + ".bad") != bytes) << wrongKey;
    Shell(program + " encrypt 0102 " + plain + " " + plain + ".x", &status);
    EXPECT_EQ(status, 2) << "a short key";

    Shell(program + " sign 7 " + plain + " " + plain + ".iss", &status);
    EXPECT_EQ(status, 0);
    Shell(program + " verify " + plain + ".iss " + plain + ".out", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadAll(plain + ".out"), bytes);

    std::string container = ReadAll(plain + ".iss");
    container[200] ^= 1;
    WriteAll(plain + ".iss", container);
    Shell(program + " verify " + plain + ".iss " + plain + ".out2", &status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(ReadAll(plain + ".out2"), "") << "no payload for a broken signature";

    container[4] = 0;
    WriteAll(plain + ".iss", container);
    const std::string message = Shell(program + " verify " + plain + ".iss " + plain + ".out3", &status);
    EXPECT_EQ(status, 2);
    EXPECT_NE(message.find("Invalid signature key requested"), std::string::npos) << message;
    Shell(program + " sign 0 " + plain + " " + plain + ".iss", &status);
    EXPECT_EQ(status, 2);
    std::filesystem::remove_all(scratch);
#endif
}

}  // namespace
