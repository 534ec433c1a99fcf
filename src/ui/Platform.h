#pragma once

#include <QRgb>
#include <QString>

#include <optional>

class QPagedPaintDevice;

// Everything the program asks of the desktop around it: questions and messages,
// input and file dialogs, the colour dialog, the printer, opening an address,
// the responsive wait and the file-exists test. The program uses the Qt
// implementation (QtPlatform); tests answer from a script.
class Platform {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Question, Information, Stop };
    enum class Answer { Ok, Yes, No };

    virtual ~Platform() = default;

    // A message box; an empty title means the application title "Voltarix".
    virtual Answer message(const QString &text, const QString &title = {},
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    bool ask(const QString &text, const QString &title) {
        return message(text, title, Buttons::YesNo, Icon::Question) == Answer::Yes;
    }

    // An input box; Cancel answers an empty text.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultAnswer) = 0;

    // File dialogs with a filter in the form "description|pattern"; an empty text
    // when the user cancels. The save dialog asks before replacing a file.
    virtual QString openFileName(const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    // A save dialog whose filter offers one format per entry ("description|*.ext|..."):
    // a name typed without an extension gets the one of the format chosen, and the
    // question before replacing a file is about that name. `folder` may end in a
    // proposed file name. `format`, when given, receives the index of the entry chosen
    // (-1 when the platform cannot tell). Plain platforms answer as saveFileName does.
    virtual QString saveFileNameByFormat(const QString &title, const QString &folder,
                                         const QString &filter, int *format = nullptr) {
        if (format) *format = -1;
        return saveFileName(title, folder, filter);
    }

    // The colour dialog; nothing when the user cancels.
    virtual std::optional<QRgb> chooseColour(QRgb initial) = 0;

    // The printer chosen for this run, set to 1440 dots per inch so that one device
    // unit is one twip; nullptr when there is no printer to print on.
    virtual QPagedPaintDevice *printer() = 0;
    // The printer set-up dialog; a cancelled dialog changes nothing.
    virtual void printerSetup() = 0;

    // Asks the desktop to open a web or mail address or a document; no waiting, no
    // report when nothing can open it.
    virtual void openAddress(const QString &address) = 0;

    // Waits the given number of seconds while the user interface keeps handling its
    // events (repaints, clicks, timers).
    virtual void wait(double seconds) = 0;

    // True exactly when a file (not a folder) of that path exists.
    virtual bool fileExists(const QString &path);
};

// Converts a filter "description|pattern|description|pattern" into Qt's form
// "description (pattern);;description (pattern)".
QString qtFileFilter(const QString &filter);
