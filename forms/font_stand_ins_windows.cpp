#include <QStringList>

#include "forms/fonts.h"

namespace quillmark::forms {

void SubstituteFontStandIns() {
  // Windows has Tahoma and Arial, and draws MS Sans Serif as Microsoft Sans Serif. Arial
  // Unicode MS comes only with some office suites; it shares Arial's widths, and its "@"
  // name, the vertical form, is never listed. The free stand-ins serve a Windows that lacks
  // these fonts, as Wine may.
  QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                             QStringList{QStringLiteral("DejaVu Sans Condensed")});
  QFont::insertSubstitutions(
      QStringLiteral("MS Sans Serif"),
      QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(
      QStringLiteral("Arial Unicode MS"),
      QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(
      QStringLiteral("@Arial Unicode MS"),
      QStringList{QStringLiteral("Arial Unicode MS"), QStringLiteral("Arial"),
                  QStringLiteral("Liberation Sans")});
}

}  // namespace quillmark::forms
