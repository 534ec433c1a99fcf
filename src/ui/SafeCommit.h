#pragma once

class QSaveFile;

// Puts a QSaveFile's new content in place only when all of it reached the disk.
// Qt 6.4's QSaveFile::commit() does not notice when the last buffered bytes cannot be
// written (a full disk, a file size limit): it moves the cut-off file over the old
// one and reports success. Flushing first makes that failure visible; the old file
// then stays as it was. Returns whether the new file is in place.
bool safeCommit(QSaveFile &file);
