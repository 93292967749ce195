#pragma once

#include <QFont>

#include "forms/layout.h"

namespace quillmark::forms {

// The stored fonts of the windows, named by what they are used for.
namespace fonts {
inline constexpr FontSpec kTitleFont{"@Arial Unicode MS", 14.25, 700};
inline constexpr FontSpec kHeadingFont{"@Arial Unicode MS", 12, 700};
inline constexpr FontSpec kEquationFont{"@Arial Unicode MS", 9.75, 400};
inline constexpr FontSpec kCreditFont{"@Arial Unicode MS", 9.75, 700};
inline constexpr FontSpec kButtonFont{"Arial Unicode MS", 9.75, 700};
inline constexpr FontSpec kFrameFont{"MS Sans Serif", 8.25, 700};
inline constexpr FontSpec kBoxFont{"Tahoma", 12, 400};
inline constexpr FontSpec kUnitFont{"Tahoma", 9.75, 400};
inline constexpr FontSpec kUnitBoldFont{"Tahoma", 9.75, 700};
inline constexpr FontSpec kCurrentFont{"Tahoma", 12, 700};
inline constexpr FontSpec kMenuButtonFont{"Tahoma", 12, 700};
}  // namespace fonts

// The stored families are Windows fonts. Where the machine lacks them, free fonts with close
// metrics take their place (Debian's fonts-dejavu-extra and fonts-liberation2). Which file
// names the stand-ins is chosen when the program is built: Windows has fonts of its own to try
// first. Safe to call more than once; the work is done the first time.
void InstallFontStandIns();
// The substitutions themselves, from the file chosen for the platform when built.
void SubstituteFontStandIns();

QFont MakeFont(const FontSpec& stored);

}  // namespace quillmark::forms
