#include "ui/vensters/QtPlatform.h"

#include "ui/Wacht.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

namespace {

const QString kApplicationTitle = QStringLiteral("Voltarix");

// The program writes line breaks as CR LF; Qt's labels break on LF alone.
QString shown(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::Icon qtIcon(Platform::Icon icon) {
    switch (icon) {
    case Platform::Icon::Question:
        return QMessageBox::Question;
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::Stop:
        return QMessageBox::Critical;
    case Platform::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtPlatform::QtPlatform() : qtTexts_(std::make_unique<QTranslator>()) {
    // Debian's qt6-translations-l10n; without it Qt's texts stay English.
    if (qtTexts_->load(QStringLiteral("qtbase_nl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts_.get());
    // Qt's dialogs keep their state (the file dialog's history and last folder, the colour
    // dialog's own colours) in the settings of "QtProject", ~/.config/QtProject.conf, outside
    // the application folder and shared with every Qt program. The program keeps none of
    // it: the user's QSettings, which only Qt's dialogs use here, point below /dev/null,
    // where no file can ever be made or read.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/dev/null/Voltarix"));
}
QtPlatform::~QtPlatform() = default;

QWidget *QtPlatform::owner() {
    return QApplication::activeWindow();
}

Platform::Answer QtPlatform::message(const QString &text, const QString &title, Buttons buttons,
                                     Icon icon) {
    QMessageBox box(
        qtIcon(icon), title.isEmpty() ? kApplicationTitle : title, shown(text),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner());
    // The texts often hold a name the user typed; "<b>x" is a name, not markup.
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title,
                             const QString &defaultAnswer) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(owner(), title.isEmpty() ? kApplicationTitle : title, shown(prompt),
                              QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}

QString QtPlatform::openFileName(const QString &title, const QString &folder,
                                 const QString &filter) {
    return QFileDialog::getOpenFileName(owner(), title, folder, qtFileFilter(filter));
}

QString QtPlatform::saveFileName(const QString &title, const QString &folder,
                                 const QString &filter) {
    return QFileDialog::getSaveFileName(owner(), title, folder, qtFileFilter(filter));
}

QString QtPlatform::saveFileNameByFormat(const QString &title, const QString &folder,
                                         const QString &filter, int *format) {
    QFileDialog dialog(owner(), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(qtFileFilter(filter).split(QStringLiteral(";;")));
    const QStringList parts = filter.split(QLatin1Char('|'));
    // The extension follows the format chosen, "*.png" giving "png".
    const auto kiesExtensie = [&dialog, &parts](const QString &gekozen) {
        for (int i = 0; i + 1 < parts.size(); i += 2)
            if (gekozen.startsWith(parts[i]))
                dialog.setDefaultSuffix(parts[i + 1].section('.', -1));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, kiesExtensie);
    kiesExtensie(dialog.selectedNameFilter());
    dialog.selectFile(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (format) *format = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

std::optional<QRgb> QtPlatform::chooseColour(QRgb initial) {
    const QColor colour = QColorDialog::getColor(QColor::fromRgb(initial), owner());
    if (!colour.isValid()) return std::nullopt;
    return colour.rgb();
}

QPagedPaintDevice *QtPlatform::printer() {
    if (!printer_) {
        if (QPrinterInfo::defaultPrinter().isNull()) return nullptr;
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    printer_->setResolution(1440);
    printer_->setFullPage(false);
    return printer_.get();
}

void QtPlatform::printerSetup() {
    // The choice made here, a PDF file included, holds for the rest of the run.
    if (printer_) {
        QPrintDialog dialog(printer_.get(), owner());
        dialog.exec();
        return;
    }
    auto candidate = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(candidate.get(), owner());
    if (dialog.exec() == QDialog::Accepted) printer_ = std::move(candidate);
}

void QtPlatform::openAddress(const QString &address) {
    const QUrl url =
        QFileInfo::exists(address) ? QUrl::fromLocalFile(address) : QUrl::fromUserInput(address);
    QDesktopServices::openUrl(url);
}

void QtPlatform::wait(double seconds) {
    wachtMetEvents(seconds);
}
