#pragma once

#include <QString>

// The text of a PDF as pdftotext reads it (layout kept), or a null string when the file
// cannot be read as a PDF.
QString pdfText(const QString &path);
