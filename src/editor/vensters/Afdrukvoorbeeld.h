#pragma once

#include "editor/Afdrukinstelling.h"
#include "ui/AppFolder.h"

#include <QPrintPreviewDialog>

#include <functional>
#include <memory>

class Platform;
class QComboBox;
class QPagedPaintDevice;

// "Afdrukvoorbeeld": the pages that printing gives, drawn by the printing code itself,
// page by page, zoomable, with a button that prints them. Its drop-downs choose the
// layout (`Schikking`) and the breadboard page's orientation (`Richting`); a choice is
// kept at once for every later print and PDF.
class Afdrukvoorbeeld : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // Draws the pages onto a printer with a layout; returns Afdrukken's error number.
    using Druk = std::function<int(QPagedPaintDevice &, const Afdrukinstelling &)>;

    Afdrukvoorbeeld(QPrinter *printer, const AppFolder &map, Druk druk, bool breadboard,
                    QWidget *parent = nullptr);
    ~Afdrukvoorbeeld() override;

    // Shows the preview modally, on the platform's printer or, without one, on a PDF file.
    static void toon(Platform &platform, const AppFolder &map, Druk druk, bool breadboard,
                     QWidget *parent);

private:
    void kies();

    AppFolder map_;
    Druk druk_;
    Afdrukinstelling instelling_;
    QComboBox *Schikking = nullptr;
    QComboBox *Richting = nullptr;
};
