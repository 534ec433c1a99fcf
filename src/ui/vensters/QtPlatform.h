#pragma once

#include "ui/Platform.h"

#include <memory>

class QPrinter;
class QTranslator;
class QWidget;

// The platform of the real program: Qt's message and input boxes, file and colour
// dialogs, the system's printer and the desktop's default handler for addresses. While
// it lives, Qt's own texts (Yes, No, the file dialog's) are Dutch, as all of ours, on
// every desktop, and Qt's dialogs keep no state of their own between runs.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultAnswer) override;
    QString openFileName(const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileNameByFormat(const QString &title, const QString &folder, const QString &filter,
                                 int *format = nullptr) override;
    std::optional<QRgb> chooseColour(QRgb initial) override;
    QPagedPaintDevice *printer() override;
    void printerSetup() override;
    void openAddress(const QString &address) override;
    void wait(double seconds) override;

private:
    static QWidget *owner();
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QTranslator> qtTexts_;
};
