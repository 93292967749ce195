#include <QDir>
#include <QFontDatabase>

#include "forms/bundled_fonts.h"

namespace quillmark::forms {

// The page preloads the stand-in fonts into the program's file system, in this folder.
void AddBundledFonts() {
  const QDir folder(QStringLiteral("/fonts"));
  for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
    QFontDatabase::addApplicationFont(folder.filePath(name));
}

}  // namespace quillmark::forms
