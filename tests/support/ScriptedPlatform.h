#pragma once

#include "ui/Platform.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

class QPdfWriter;

// A platform that answers from a script and remembers what it was asked, so a test
// can answer "Nee" to a question and check that nothing changed.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
    };
    struct Input {
        QString prompt;
        QString title;
        QString defaultAnswer;
    };

    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Scripted answers, taken from the front. Yes/No questions without a scripted
    // answer are answered No; dialogs without one are cancelled.
    QList<Answer> answers;
    QStringList inputAnswers;
    QStringList openAnswers;
    QStringList saveAnswers;
    QList<std::optional<QRgb>> colourAnswers;

    // What was asked and done.
    QList<Message> messages;
    QList<Input> inputs;
    QStringList openedAddresses;
    int waits = 0;
    double waited = 0;

    // Printing goes into this PDF file, at one device unit per twip; with an empty
    // path there is no printer.
    QString pdfPath;
    void endPrinting(); // closes the PDF so that it can be read

    // Runs inside every wait, as a click or a timer tick would during a real wait.
    std::function<void(double seconds)> duringWait;

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultAnswer) override;
    QString openFileName(const QString &, const QString &, const QString &) override {
        return neem(openAnswers);
    }
    QString saveFileName(const QString &, const QString &, const QString &) override {
        return neem(saveAnswers);
    }
    std::optional<QRgb> chooseColour(QRgb) override { return neem(colourAnswers); }
    QPagedPaintDevice *printer() override;
    void printerSetup() override {}
    void openAddress(const QString &address) override { openedAddresses << address; }
    void wait(double seconds) override;

private:
    // The first scripted answer, or none (an empty text, no colour) when none is left.
    template <typename T> static T neem(QList<T> &antwoorden) {
        return antwoorden.isEmpty() ? T() : antwoorden.takeFirst();
    }
    std::unique_ptr<QPdfWriter> pdf_;
};

class QWidget;

// Once the next modal window is open (a dialog started with exec()), runs `doe` on it
// and then closes it, so that a test can go on past the exec(). Only the programs of the
// windows' tests have it (support/ModaalVenster.cpp).
void bijModaalVenster(std::function<void(QWidget *)> doe = {});
