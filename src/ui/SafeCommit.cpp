#include "ui/SafeCommit.h"

#include <QSaveFile>

bool safeCommit(QSaveFile &file) {
    if (!file.flush()) {
        file.cancelWriting(); // the temporary file goes with the QSaveFile
        return false;
    }
    return file.commit();
}
