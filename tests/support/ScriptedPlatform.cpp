#include "ScriptedPlatform.h"

#include <QPdfWriter>

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

Platform::Answer ScriptedPlatform::message(const QString &text, const QString &title,
                                           Buttons buttons, Icon) {
    messages.append({text, title});
    if (buttons == Buttons::Ok) return Answer::Ok;
    return answers.isEmpty() ? Answer::No : answers.takeFirst();
}

QString ScriptedPlatform::inputBox(const QString &prompt, const QString &title,
                                   const QString &defaultAnswer) {
    inputs.append({prompt, title, defaultAnswer});
    return neem(inputAnswers);
}

QPagedPaintDevice *ScriptedPlatform::printer() {
    if (pdfPath.isEmpty()) return nullptr;
    if (!pdf_) {
        pdf_ = std::make_unique<QPdfWriter>(pdfPath);
        pdf_->setResolution(1440);
    }
    return pdf_.get();
}

void ScriptedPlatform::endPrinting() {
    pdf_.reset();
}

void ScriptedPlatform::wait(double seconds) {
    ++waits;
    waited += seconds;
    if (duringWait) duringWait(seconds);
}
