#pragma once
// A prompter for the GUI tests: records every box the windows show and
// answers the dialogs from queues the test fills (a dialog with nothing
// queued is cancelled, a confirmation answers Cancel).

#include "Prompter.h"

#include <QColor>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

struct TShownMessage {
    TMessageKind Kind;
    QString Caption;
    QString Text;
};

class TScriptedPrompter final : public TPrompter {
public:
    TScriptedPrompter() { InstallPrompter(this); }
    ~TScriptedPrompter() override { InstallPrompter(nullptr); }
    TScriptedPrompter(const TScriptedPrompter&) = delete;
    TScriptedPrompter& operator=(const TScriptedPrompter&) = delete;

    void Message(QWidget*, TMessageKind Kind, const QString& Caption, const QString& Text) override
    {
        Messages.push_back({Kind, Caption, Text});
    }
    TAnswer Confirm(QWidget*, const QString& Text) override
    {
        Confirmations.push_back(Text);
        return Take(Answers, TAnswer::Cancel);
    }
    QString SaveFileName(QWidget*, const TFileDialogSpec& Spec) override
    {
        SaveDialogs.push_back(Spec);
        return Take(SaveNames, QString());
    }
    QString OpenFileName(QWidget*, const TFileDialogSpec& Spec) override
    {
        OpenDialogs.push_back(Spec);
        return Take(OpenNames, QString());
    }
    bool ChooseColour(QWidget*, QColor& Colour) override
    {
        if (Colours.empty())
            return false;
        Colour = Take(Colours, QColor());
        return true;
    }
    bool ChoosePrinter(QWidget*, QPrinter& Printer) override
    {
        const bool Chosen = Take(PrinterAnswers, false);
        if (Chosen && PrinterSetup)
            PrinterSetup(Printer);
        return Chosen;
    }

    // The texts of the messages shown so far, in order.
    std::vector<QString> Texts() const
    {
        std::vector<QString> Result;
        for (const auto& Shown : Messages)
            Result.push_back(Shown.Text);
        return Result;
    }

    std::vector<TShownMessage> Messages;
    std::vector<QString> Confirmations;
    std::vector<TFileDialogSpec> SaveDialogs;
    std::vector<TFileDialogSpec> OpenDialogs;
    std::deque<TAnswer> Answers;
    std::deque<QString> SaveNames;
    std::deque<QString> OpenNames;
    std::deque<QColor> Colours;
    std::deque<bool> PrinterAnswers;
    // What the player sets in the print dialog when it is answered.
    std::function<void(QPrinter&)> PrinterSetup;

private:
    template <typename T>
    static T Take(std::deque<T>& Queue, T Otherwise)
    {
        if (Queue.empty())
            return Otherwise;
        T Value = Queue.front();
        Queue.pop_front();
        return Value;
    }
};
