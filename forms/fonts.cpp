#include "forms/fonts.h"

namespace quillmark::forms {

void InstallFontStandIns() {
  static const bool installed = (SubstituteFontStandIns(), true);
  (void)installed;
}

QFont MakeFont(const FontSpec& stored) {
  QFont font(QString::fromUtf8(stored.family.data(), static_cast<qsizetype>(stored.family.size())));
  font.setPointSizeF(stored.points);
  font.setWeight(static_cast<QFont::Weight>(stored.weight));
  return font;
}

}  // namespace quillmark::forms
