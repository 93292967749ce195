#include <QStringList>

#include "forms/fonts.h"

namespace quillmark::forms {

void SubstituteFontStandIns() {
  // DejaVu Sans Condensed matches Tahoma's advance widths within a few per cent in both
  // weights; Liberation Sans is metric-compatible with Arial, whose widths Arial Unicode MS
  // shares, and close to MS Sans Serif. The rest are fall-backs for a machine without them.
  QFont::insertSubstitutions(
      QStringLiteral("Tahoma"),
      QStringList{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                         QStringLiteral("DejaVu Sans")});
  for (const char* arial : {"Arial Unicode MS", "@Arial Unicode MS"}) {
    QFont::insertSubstitutions(
        arial, QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans")});
  }
}

}  // namespace quillmark::forms
