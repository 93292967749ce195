#include "app/distribution_board.h"

#include <array>
#include <map>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

namespace quillmark::app {
namespace {

constexpr QSize kPictureSize = kDistributionBoardSize;

// The board is seen from the front with its cover off, lit from the upper left.
constexpr QRectF kEnclosure{8, 6, 384, 299};
constexpr QRectF kBackPlate{22, 20, 356, 271};
constexpr qreal kRailLeft = 27;
constexpr qreal kRailRight = 373;

// Modular devices share one width per pole, so a row is laid out in modules.
constexpr qreal kModuleWidth = 20;
constexpr qreal kDeviceHeight = 84;
constexpr qreal kRowLeft = 40;
// Above and below the raised front face a device steps down to its screw terminals.
constexpr qreal kTerminalDepth = 18;

enum class DeviceKind { kMiniatureBreaker, kResidualCurrentDevice, kMainSwitch, kEmptySpace };

struct Device {
  DeviceKind kind;
  int modules;
  const char* marking;
  QColor lever;
  bool switched_on = true;
};

// Many makers colour the lever by rated current, which is what makes a board colourful.
constexpr QColor kLever6A{62, 146, 84};
constexpr QColor kLever10A{214, 104, 44};
constexpr QColor kLever16A{42, 98, 176};
constexpr QColor kLever20A{222, 178, 40};
constexpr QColor kLever25A{124, 78, 160};
constexpr QColor kLever32A{52, 56, 62};
constexpr QColor kLeverMain{196, 42, 36};
constexpr QColor kLeverResidual{96, 102, 110};

constexpr std::array kUpperRow = {
    Device{DeviceKind::kMainSwitch, 3, "100A", kLeverMain},
    Device{DeviceKind::kMiniatureBreaker, 3, "C32", kLever32A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C16", kLever16A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C16", kLever16A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C10", kLever10A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C10", kLever10A},
    Device{DeviceKind::kMiniatureBreaker, 1, "B6", kLever6A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C20", kLever20A},
    Device{DeviceKind::kResidualCurrentDevice, 2, "30mA", kLeverResidual},
    Device{DeviceKind::kEmptySpace, 2, "", {}},
};
constexpr std::array kLowerRow = {
    Device{DeviceKind::kResidualCurrentDevice, 2, "30mA", kLeverResidual},
    Device{DeviceKind::kMiniatureBreaker, 1, "B6", kLever6A},
    Device{DeviceKind::kMiniatureBreaker, 1, "B6", kLever6A},
    Device{DeviceKind::kMiniatureBreaker, 1, "B10", kLever10A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C16", kLever16A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C16", kLever16A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C16", kLever16A, false},
    Device{DeviceKind::kMiniatureBreaker, 1, "C20", kLever20A},
    Device{DeviceKind::kMiniatureBreaker, 1, "C20", kLever20A},
    Device{DeviceKind::kMiniatureBreaker, 1, "B10", kLever10A},
    Device{DeviceKind::kMiniatureBreaker, 2, "C25", kLever25A},
    Device{DeviceKind::kEmptySpace, 3, "", {}},
};

// Each row's wires drop into the trunking that runs beneath it.
struct Row {
  std::span<const Device> devices;
  qreal top;
  QRectF trunking_below;
};
constexpr Row kUpper{kUpperRow, 45, {24, 146, 352, 19}};
constexpr Row kLower{kLowerRow, 177, {24, 278, 352, 13}};
constexpr std::array kRows = {kUpper, kLower};

constexpr QColor kBrownPhase{122, 72, 38};
constexpr QColor kBlackPhase{40, 40, 42};
constexpr QColor kGreyPhase{128, 130, 132};
constexpr QColor kBlueNeutral{38, 92, 176};
constexpr QColor kEarthGreen{46, 140, 64};
constexpr QColor kEarthYellow{236, 200, 40};
constexpr std::array kPhaseColours = {kBrownPhase, kBlackPhase, kGreyPhase};

struct PlacedDevice {
  const Device& device;
  QRectF body;
};

template <typename Visit>
void ForEachDevice(const Row& row, Visit visit) {
  qreal left = kRowLeft;
  for (const Device& device : row.devices) {
    const QRectF body{left, row.top, device.modules * kModuleWidth, kDeviceHeight};
    left = body.right();
    if (device.kind != DeviceKind::kEmptySpace) {
      visit(PlacedDevice{device, body});
    }
  }
}

qreal PoleCentre(const QRectF& body, int pole) {
  return body.left() + (pole + 0.5) * kModuleWidth;
}

QRectF FrontFace(const QRectF& body) {
  return body.adjusted(0.5, kTerminalDepth, -0.5, -kTerminalDepth);
}

// The wire a pole feeds: a three-pole device switches the three phases, a two-pole one a
// phase and the neutral.
QColor OutgoingWireColour(const Device& device, int pole) {
  if (device.modules == 3) {
    return kPhaseColours[pole];
  }
  return device.modules == 2 && pole == 1 ? kBlueNeutral : kBrownPhase;
}

// All the print on the devices shares one size, so the painter loads a single font engine.
QFont MarkingFont() {
  QFont font("Liberation Sans");
  font.setPixelSize(7);
  font.setBold(true);
  return font;
}

// Parts that repeat across the board are painted once into a small image and then copied: a
// copy costs a fraction of rasterising the antialiased shapes again, which keeps the whole
// picture to a millisecond or two. A sprite has the pixel density of the picture it goes into,
// so that copying it neither enlarges nor shrinks its pixels.
template <typename Paint>
QImage PaintSprite(QSize size, qreal pixel_ratio, Paint paint) {
  QImage sprite(size * pixel_ratio, QImage::Format_ARGB32_Premultiplied);
  sprite.setDevicePixelRatio(pixel_ratio);
  sprite.fill(Qt::transparent);
  QPainter painter(&sprite);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  paint(painter);
  return sprite;
}

template <typename Key>
class SpriteCache {
 public:
  template <typename Paint>
  const QImage& Get(const QPainter& painter, const Key& key, QSize size, Paint paint) {
    auto found = sprites_.find(key);
    if (found == sprites_.end()) {
      const qreal pixel_ratio = painter.device()->devicePixelRatio();
      found = sprites_.emplace(key, PaintSprite(size, pixel_ratio, paint)).first;
    }
    return found->second;
  }

 private:
  std::map<Key, QImage> sprites_;
};

void PaintWall(QPainter& painter) {
  QLinearGradient wall(0, 0, 0, kPictureSize.height());
  wall.setColorAt(0, QColor(236, 232, 224));
  wall.setColorAt(1, QColor(212, 206, 195));
  painter.fillRect(QRect({0, 0}, kPictureSize), wall);

  // Two offset layers read as a soft shadow without the cost of a blur.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 28));
  painter.drawRoundedRect(kEnclosure.translated(4, 5), 7, 7);
  painter.setBrush(QColor(0, 0, 0, 36));
  painter.drawRoundedRect(kEnclosure.translated(2, 2.5), 6, 6);
}

void PaintCoverScrewHole(QPainter& painter, QPointF centre) {
  painter.setPen(QPen(QColor(150, 152, 152), 0.8));
  painter.setBrush(QColor(70, 72, 74));
  painter.drawEllipse(centre, 2.4, 2.4);
}

void PaintEnclosure(QPainter& painter) {
  QLinearGradient steel(kEnclosure.topLeft(), kEnclosure.bottomRight());
  steel.setColorAt(0, QColor(226, 228, 227));
  steel.setColorAt(0.55, QColor(208, 210, 209));
  steel.setColorAt(1, QColor(184, 186, 186));
  painter.setPen(QPen(QColor(150, 152, 152), 1));
  painter.setBrush(steel);
  painter.drawRoundedRect(kEnclosure, 6, 6);

  // The folded inner lip of the case catches the light on its lower and right edges.
  const QRectF lip = kBackPlate.adjusted(-3, -3, 3, 3);
  painter.setPen(QPen(QColor(246, 247, 246), 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(lip, 2, 2);
  painter.setPen(QPen(QColor(140, 142, 142), 1));
  painter.drawLine(lip.topLeft(), lip.topRight());
  painter.drawLine(lip.topLeft(), lip.bottomLeft());

  const qreal inset = 7;
  for (const QPointF corner : {kEnclosure.topLeft() + QPointF(inset, inset),
                               kEnclosure.topRight() + QPointF(-inset, inset),
                               kEnclosure.bottomLeft() + QPointF(inset, -inset),
                               kEnclosure.bottomRight() + QPointF(-inset, -inset)}) {
    PaintCoverScrewHole(painter, corner);
  }
}

void PaintBackPlate(QPainter& painter) {
  QLinearGradient zinc(kBackPlate.topLeft(), kBackPlate.topRight());
  zinc.setColorAt(0, QColor(170, 176, 180));
  zinc.setColorAt(0.35, QColor(196, 201, 204));
  zinc.setColorAt(0.6, QColor(178, 184, 188));
  zinc.setColorAt(1, QColor(160, 166, 170));
  painter.fillRect(kBackPlate, zinc);

  // The case walls throw a shadow onto the plate from the light's side.
  QLinearGradient top_shadow(0, kBackPlate.top(), 0, kBackPlate.top() + 10);
  top_shadow.setColorAt(0, QColor(0, 0, 0, 80));
  top_shadow.setColorAt(1, QColor(0, 0, 0, 0));
  painter.fillRect(QRectF(kBackPlate.topLeft(), QSizeF(kBackPlate.width(), 10)), top_shadow);
  QLinearGradient left_shadow(kBackPlate.left(), 0, kBackPlate.left() + 8, 0);
  left_shadow.setColorAt(0, QColor(0, 0, 0, 80));
  left_shadow.setColorAt(1, QColor(0, 0, 0, 0));
  painter.fillRect(QRectF(kBackPlate.topLeft(), QSizeF(8, kBackPlate.height())), left_shadow);
}

void PaintRail(QPainter& painter, qreal centre_y) {
  const QRectF flanges{kRailLeft, centre_y - 17, kRailRight - kRailLeft, 34};
  const QRectF face = flanges.adjusted(0, 5, 0, -5);
  painter.setPen(Qt::NoPen);
  painter.fillRect(flanges.translated(1.5, 2), QColor(0, 0, 0, 50));

  QLinearGradient lip(0, flanges.top(), 0, flanges.bottom());
  lip.setColorAt(0, QColor(214, 218, 220));
  lip.setColorAt(0.5, QColor(150, 155, 158));
  lip.setColorAt(1, QColor(120, 124, 128));
  painter.fillRect(flanges, lip);

  QLinearGradient zinc(0, face.top(), 0, face.bottom());
  zinc.setColorAt(0, QColor(238, 241, 242));
  zinc.setColorAt(0.5, QColor(204, 208, 210));
  zinc.setColorAt(1, QColor(176, 180, 183));
  painter.fillRect(face, zinc);

  painter.setBrush(QColor(64, 66, 70));
  for (qreal x = face.left() + 6; x + 12 < face.right(); x += 25) {
    painter.drawRoundedRect(QRectF(x, centre_y - 2.5, 12, 5), 2.5, 2.5);
  }
}

void PaintWire(QPainter& painter, const QPainterPath& path, QColor colour, qreal thickness) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(colour.darker(190), thickness + 1.4, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(path);
  painter.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(path);
  if (colour == kEarthGreen) {
    // Earth insulation carries a yellow stripe, which from the front reads as bands.
    QPen stripe(kEarthYellow, thickness, Qt::CustomDashLine, Qt::FlatCap);
    stripe.setDashPattern({1.4, 1.4});
    painter.setPen(stripe);
    painter.drawPath(path);
  }
  // A narrow sheen along the lit side makes the insulation look round.
  QColor sheen = colour.lighter(colour.lightness() < 60 ? 400 : 160);
  sheen.setAlpha(150);
  painter.setPen(QPen(sheen, thickness * 0.28, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(path.translated(-thickness * 0.22, 0));
}

// Neutral and earth terminal blocks clipped to the upper rail beside the breakers.
constexpr int kTerminalBlockCount = 6;
constexpr qreal kTerminalBlockWidth = 7;
constexpr qreal kTerminalBlockHeight = 60;
constexpr QPointF kTerminalBlocksTopLeft{325,
                                         kUpper.top + (kDeviceHeight - kTerminalBlockHeight) / 2};

QRectF TerminalBlock(int index) {
  return {kTerminalBlocksTopLeft + QPointF(index * kTerminalBlockWidth, 0),
          QSizeF(kTerminalBlockWidth, kTerminalBlockHeight)};
}

QColor TerminalBlockColour(int index) {
  return index < kTerminalBlockCount / 2 ? kBlueNeutral : kEarthGreen;
}

void PaintTerminalBlock(QPainter& painter, const QRectF& block, QColor colour) {
  painter.setPen(QPen(colour.darker(180), 0.6));
  painter.setBrush(colour);
  painter.drawRoundedRect(block, 1.2, 1.2);
  painter.setPen(Qt::NoPen);
  if (colour == kEarthGreen) {
    painter.setBrush(kEarthYellow);
    painter.drawRect(QRectF(block.center().x() - 1.2, block.top() + 12, 2.4, block.height() - 24));
  }
  // One shading overlay serves both colours: lit on the left, in shade on the right.
  QLinearGradient rounded(block.topLeft(), block.topRight());
  rounded.setColorAt(0, QColor(255, 255, 255, 70));
  rounded.setColorAt(0.4, QColor(255, 255, 255, 0));
  rounded.setColorAt(1, QColor(0, 0, 0, 80));
  painter.setBrush(rounded);
  painter.drawRoundedRect(block.adjusted(0.3, 0.3, -0.3, -0.3), 1, 1);

  for (const qreal y : {block.top() + 6, block.bottom() - 6}) {
    painter.setBrush(QColor(34, 34, 36));
    painter.drawEllipse(QPointF(block.center().x(), y), 2.2, 2.2);
    painter.setBrush(QColor(196, 198, 200));
    painter.drawEllipse(QPointF(block.center().x() - 0.3, y - 0.3), 1.3, 1.3);
  }
}

void PaintTerminalBlocks(QPainter& painter) {
  const QRectF all_blocks{TerminalBlock(0).topLeft(),
                          TerminalBlock(kTerminalBlockCount - 1).bottomRight()};
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 50));
  painter.drawRoundedRect(all_blocks.translated(2, 3), 2, 2);
  for (int index = 0; index < kTerminalBlockCount; ++index) {
    PaintTerminalBlock(painter, TerminalBlock(index), TerminalBlockColour(index));
  }
}

void PaintIncomingCable(QPainter& painter, QPointF from, QPointF terminal, QColor colour,
                        qreal thickness) {
  QPainterPath path(from);
  const qreal bend_y = (from.y() + terminal.y()) / 2;
  path.cubicTo(from.x(), bend_y, terminal.x(), bend_y, terminal.x(), terminal.y());
  PaintWire(painter, path, colour, thickness);
}

// The cables come in through rubber grommets in the top of the case.
void PaintCableEntry(QPainter& painter, qreal left, qreal right) {
  const QRectF grommet{left, kBackPlate.top() - 3, right - left, 8};
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawRoundedRect(grommet.translated(1, 2), 3, 3);
  QLinearGradient rubber(grommet.topLeft(), grommet.bottomLeft());
  rubber.setColorAt(0, QColor(84, 86, 90));
  rubber.setColorAt(1, QColor(36, 37, 40));
  painter.setBrush(rubber);
  painter.drawRoundedRect(grommet, 3, 3);
}

// The three phases of the supply come in from the top to the main switch, the first device of
// the upper row. A cable ends under its device, which hides the end.
void PaintSupplyCables(QPainter& painter) {
  const qreal terminal_y = kUpper.top + 8;
  for (int pole = 0; pole < 3; ++pole) {
    const qreal x = kRowLeft + (pole + 0.5) * kModuleWidth;
    PaintIncomingCable(painter, {x + 14 - pole * 4.0, kBackPlate.top() - 2}, {x, terminal_y},
                       kPhaseColours[pole], 5.2);
  }
}

void PaintNeutralAndEarthSupply(QPainter& painter) {
  const QRectF first_neutral = TerminalBlock(0);
  const QRectF first_earth = TerminalBlock(kTerminalBlockCount / 2);
  PaintIncomingCable(painter, {first_neutral.center().x() - 10, kBackPlate.top() - 2},
                     {first_neutral.center().x(), first_neutral.top() + 4}, kBlueNeutral, 4.6);
  PaintIncomingCable(painter, {first_earth.center().x() + 6, kBackPlate.top() - 2},
                     {first_earth.center().x(), first_earth.top() + 4}, kEarthGreen, 4.6);
}

// The lower row's residual current device takes its phase and neutral up out of the trunking.
void PaintLowerRowFeed(QPainter& painter) {
  const qreal terminal_y = kLower.top + 8;
  const qreal from_y = kUpper.trunking_below.bottom() - 4;
  PaintIncomingCable(painter, {kRowLeft + 6, from_y}, {kRowLeft + kModuleWidth / 2, terminal_y},
                     kBrownPhase, 3.8);
  PaintIncomingCable(painter, {kRowLeft + 34, from_y}, {kRowLeft + kModuleWidth * 1.5, terminal_y},
                     kBlueNeutral, 3.8);
}

void PaintTrunking(QPainter& painter, const QRectF& area) {
  painter.setPen(Qt::NoPen);
  painter.fillRect(area.translated(0, 2), QColor(0, 0, 0, 45));
  QLinearGradient plastic(0, area.top(), 0, area.bottom());
  plastic.setColorAt(0, QColor(200, 203, 205));
  plastic.setColorAt(0.25, QColor(224, 226, 227));
  plastic.setColorAt(1, QColor(184, 187, 189));
  painter.fillRect(area, plastic);
  // The slotted fingers along both edges, where the wires come out.
  painter.setPen(QPen(QColor(120, 124, 127), 1));
  for (qreal x = area.left() + 3; x < area.right(); x += 6) {
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.top() + 3));
    painter.drawLine(QPointF(x, area.bottom() - 3), QPointF(x, area.bottom()));
  }
  painter.setPen(QPen(QColor(244, 245, 245), 1));
  painter.drawLine(QPointF(area.left(), area.top() + 3.5), QPointF(area.right(), area.top() + 3.5));
}

// Devices standing side by side throw one shadow together.
std::vector<QRectF> DeviceRuns(const Row& row) {
  std::vector<QRectF> runs;
  ForEachDevice(row, [&](const PlacedDevice& placed) {
    if (!runs.empty() && runs.back().right() == placed.body.left()) {
      runs.back() = runs.back().united(placed.body);
    } else {
      runs.push_back(placed.body);
    }
  });
  return runs;
}

void PaintRowShadow(QPainter& painter, const Row& row) {
  painter.setPen(Qt::NoPen);
  for (const QRectF& run : DeviceRuns(row)) {
    painter.setBrush(QColor(0, 0, 0, 34));
    painter.drawRoundedRect(run.translated(3, 4), 3, 3);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(run.translated(1.5, 2), 2, 2);
  }
}

QColor HousingColour(DeviceKind kind) {
  return kind == DeviceKind::kMainSwitch ? QColor(206, 210, 213) : QColor(236, 235, 230);
}

// The plastic is filled flat and shaded by translucent overlays, which serve every housing
// colour alike.
void PaintHousingBody(QPainter& painter, const QRectF& body, QColor plastic) {
  painter.setPen(QPen(plastic.darker(150), 0.8));
  painter.setBrush(plastic);
  painter.drawRoundedRect(body, 2, 2);
  QLinearGradient rounded_sides(body.topLeft(), body.topRight());
  rounded_sides.setColorAt(0, QColor(0, 0, 0, 28));
  rounded_sides.setColorAt(0.12, QColor(0, 0, 0, 10));
  rounded_sides.setColorAt(0.88, QColor(0, 0, 0, 18));
  rounded_sides.setColorAt(1, QColor(0, 0, 0, 50));
  painter.setPen(Qt::NoPen);
  painter.setBrush(rounded_sides);
  painter.drawRoundedRect(body, 2, 2);
}

// The raised face stands proud of the terminals: a shadow step below, a highlight above.
void PaintRaisedFace(QPainter& painter, const QRectF& face, QColor plastic) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 40));
  painter.drawRoundedRect(face.translated(0.8, 2), 2.5, 2.5);
  painter.setBrush(plastic);
  painter.setPen(QPen(plastic.darker(135), 0.7));
  painter.drawRoundedRect(face, 2.5, 2.5);
  QLinearGradient face_light(face.topLeft(), face.bottomLeft());
  face_light.setColorAt(0, QColor(255, 255, 255, 90));
  face_light.setColorAt(1, QColor(0, 0, 0, 10));
  painter.setPen(Qt::NoPen);
  painter.setBrush(face_light);
  painter.drawRoundedRect(face, 2.5, 2.5);
}

void PaintHousing(QPainter& painter, const QRectF& body, DeviceKind kind, int modules) {
  const QColor plastic = HousingColour(kind);
  PaintHousingBody(painter, body, plastic);
  PaintRaisedFace(painter, FrontFace(body), plastic);
  // A multi-pole device is moulded as one piece, with a seam between its poles.
  painter.setPen(QPen(QColor(0, 0, 0, 46), 0.8));
  for (int seam = 1; seam < modules; ++seam) {
    const qreal x = body.left() + seam * kModuleWidth;
    painter.drawLine(QPointF(x, body.top() + 1), QPointF(x, body.bottom() - 1));
  }
}

// Every pole's lever sits in a slot of the same size, a fixed drop below the raised face.
constexpr qreal kSlotWidth = 9;
constexpr qreal kSlotHeight = 21;
constexpr qreal kSlotDrop = 7;

QRectF LeverSlot(const QRectF& body, qreal centre_x, qreal width) {
  const QRectF face = FrontFace(body);
  return {centre_x - width / 2, face.top() + kSlotDrop, width, kSlotHeight};
}

void PaintLever(QPainter& painter, const QRectF& slot, QColor colour, bool switched_on) {
  QLinearGradient recess(slot.topLeft(), slot.bottomLeft());
  recess.setColorAt(0, QColor(24, 24, 26));
  recess.setColorAt(1, QColor(70, 70, 74));
  painter.setPen(Qt::NoPen);
  painter.setBrush(recess);
  painter.drawRoundedRect(slot, 2, 2);

  const qreal lever_height = slot.height() * 0.55;
  const qreal lever_top = switched_on ? slot.top() + 1 : slot.bottom() - 1 - lever_height;
  const QRectF lever{slot.left() + 1, lever_top, slot.width() - 2, lever_height};
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawRoundedRect(lever.translated(0.6, 1.6), 1.5, 1.5);
  painter.setBrush(colour);
  painter.setPen(QPen(colour.darker(170), 0.6));
  painter.drawRoundedRect(lever, 1.5, 1.5);
  // One light-and-shade overlay serves every lever colour, so the painter builds a single
  // gradient table for all of them.
  QLinearGradient moulded(lever.topLeft(), lever.bottomLeft());
  moulded.setColorAt(0, QColor(255, 255, 255, 110));
  moulded.setColorAt(0.35, QColor(255, 255, 255, 0));
  moulded.setColorAt(1, QColor(0, 0, 0, 70));
  painter.setPen(Qt::NoPen);
  painter.setBrush(moulded);
  painter.drawRoundedRect(lever.adjusted(0.3, 0.3, -0.3, -0.3), 1.3, 1.3);
  // Two grip ridges across the end a finger pushes, which is the end away from the pivot.
  painter.setPen(QPen(colour.darker(150), 0.6));
  const qreal inward = switched_on ? 2 : -2;
  const qreal first_ridge_y = switched_on ? lever.top() + 2.5 : lever.bottom() - 2.5;
  for (const qreal y : {first_ridge_y, first_ridge_y + inward}) {
    painter.drawLine(QPointF(lever.left() + 1.5, y), QPointF(lever.right() - 1.5, y));
  }
}

// The contact window: red while the contacts are closed, green once they have opened.
void PaintContactWindow(QPainter& painter, const QRectF& slot, bool switched_on) {
  const QRectF window{slot.center().x() - 3, slot.top() - 5, 6, 3};
  painter.setPen(QPen(QColor(60, 60, 60), 0.5));
  painter.setBrush(switched_on ? QColor(214, 52, 40) : QColor(58, 160, 72));
  painter.drawRect(window);
}

void PaintTestButton(QPainter& painter, QPointF centre) {
  const QRectF button{centre.x() - 3.5, centre.y() - 3.5, 7, 7};
  painter.setPen(QPen(QColor(120, 100, 20), 0.7));
  painter.setBrush(QColor(240, 200, 60));
  painter.drawRoundedRect(button, 1.5, 1.5);
  painter.setFont(MarkingFont());
  painter.setPen(QColor(70, 56, 10));
  painter.drawText(button.translated(0, 0.5), Qt::AlignCenter, QStringLiteral("T"));
}

void PaintTerminalScrew(QPainter& painter, QPointF centre, qreal slot_angle) {
  constexpr qreal kRadius = 3.6;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 60, 62));
  painter.drawEllipse(centre, kRadius + 1.3, kRadius + 1.3);
  QRadialGradient metal(centre - QPointF(1.3, 1.3), kRadius * 1.8);
  metal.setColorAt(0, QColor(252, 252, 250));
  metal.setColorAt(0.45, QColor(192, 194, 196));
  metal.setColorAt(1, QColor(110, 112, 116));
  painter.setBrush(metal);
  painter.setPen(QPen(QColor(86, 88, 92), 0.6));
  painter.drawEllipse(centre, kRadius, kRadius);

  painter.translate(centre);
  painter.rotate(slot_angle);
  painter.setPen(QPen(QColor(62, 64, 68), 1.1, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(-2.4, 0), QPointF(2.4, 0));
  painter.drawLine(QPointF(0, -2.4), QPointF(0, 2.4));
  painter.resetTransform();
}

// Sprites are placed on whole pixels so that copying them does not blur them.
class Sprites {
 public:
  void DrawHousing(QPainter& painter, const PlacedDevice& placed) {
    constexpr int kMargin = 1;
    const Device& device = placed.device;
    const QSize size = placed.body.size().toSize() + QSize(2 * kMargin, 2 * kMargin);
    const QImage& sprite =
        housings_.Get(painter, {device.kind, device.modules}, size, [&](QPainter& p) {
          const QRectF body{QPointF(kMargin, kMargin), placed.body.size()};
          PaintHousing(p, body, device.kind, device.modules);
        });
    painter.drawImage(placed.body.topLeft().toPoint() - QPoint(kMargin, kMargin), sprite);
  }

  // One pole's slot and lever, with the contact window above them.
  void DrawPoleLever(QPainter& painter, const QRectF& slot, QColor colour, bool switched_on) {
    constexpr int kAbove = 6;  // room for the contact window
    constexpr QSize kSize{12, kAbove + static_cast<int>(kSlotHeight) + 2};
    const QPoint origin(qRound(slot.center().x()) - kSize.width() / 2, qRound(slot.top()) - kAbove);
    const QImage& sprite =
        levers_.Get(painter, {colour.rgb(), switched_on}, kSize, [&](QPainter& p) {
          const QRectF local_slot = slot.translated(-origin);
          PaintContactWindow(p, local_slot, switched_on);
          PaintLever(p, local_slot, colour, switched_on);
        });
    painter.drawImage(origin, sprite);
  }

  // A wire that leaves a terminal straight down and wanders sideways by the time it drops
  // into the trunking, by one of a few fixed amounts so the bundle does not look ruled.
  void DrawOutgoingWire(QPainter& painter, QPoint terminal, int length, QColor colour,
                        int wire_index) {
    constexpr int kDriftSteps = 7;
    constexpr qreal kDriftPerStep = 1.3;
    constexpr int kHalfWidth = 9;
    const int step = (wire_index * 37) % kDriftSteps;
    const qreal drift = (step - kDriftSteps / 2) * kDriftPerStep;
    const QSize size{2 * kHalfWidth, length};
    const QImage& sprite =
        wires_.Get(painter, {colour.rgb(), step, length}, size, [&](QPainter& p) {
          QPainterPath path({kHalfWidth, 0});
          path.cubicTo(kHalfWidth, length - 10, kHalfWidth + drift, 6, kHalfWidth + drift, length);
          // The wire stands off the back plate, so its shadow falls a little aside.
          p.setPen(QPen(QColor(0, 0, 0, 50), 4, Qt::SolidLine, Qt::FlatCap));
          p.drawPath(path.translated(2, 1));
          PaintWire(p, path, colour, 3.4);
        });
    painter.drawImage(terminal - QPoint(kHalfWidth, 0), sprite);
  }

  void DrawTerminalScrew(QPainter& painter, QPoint centre, int screw_index) {
    // A few slot angles are enough for the screws not to look stamped out.
    constexpr std::array kSlotAngles = {12.0, 41.0, 73.0};
    const int variant = (screw_index * 7) % kSlotAngles.size();
    const QImage& sprite = screws_.Get(painter, variant, {12, 12}, [&](QPainter& p) {
      PaintTerminalScrew(p, {6, 6}, kSlotAngles[variant]);
    });
    painter.drawImage(centre - QPoint(6, 6), sprite);
  }

 private:
  SpriteCache<std::pair<DeviceKind, int>> housings_;
  SpriteCache<std::pair<QRgb, bool>> levers_;
  SpriteCache<int> screws_;
  SpriteCache<std::tuple<QRgb, int, int>> wires_;
};

// Wires leave each pole at the bottom and drop into the trunking below the row.
void PaintOutgoingWires(QPainter& painter, Sprites& sprites, const Row& row) {
  int wire_index = 0;
  ForEachDevice(row, [&](const PlacedDevice& placed) {
    // The wire starts inside the terminal and ends inside the trunking, both hidden later.
    const int terminal_y = qRound(placed.body.bottom()) - 6;
    const int length = qRound(row.trunking_below.top()) + 6 - terminal_y;
    for (int pole = 0; pole < placed.device.modules; ++pole, ++wire_index) {
      const QPoint terminal{qRound(PoleCentre(placed.body, pole)), terminal_y};
      sprites.DrawOutgoingWire(painter, terminal, length, OutgoingWireColour(placed.device, pole),
                               wire_index);
    }
  });
}

// An isolator has one wide handle across all its poles and no contact window; the moulded
// I and O beside it say which way is on.
void PaintMainSwitchHandle(QPainter& painter, const PlacedDevice& placed) {
  const QRectF& body = placed.body;
  const QRectF slot = LeverSlot(body, body.center().x(), body.width() - 20);
  PaintLever(painter, slot, placed.device.lever, placed.device.switched_on);
  painter.setFont(MarkingFont());
  painter.setPen(QColor(60, 62, 66));
  const QRectF beside{body.left(), slot.top(), slot.left() - body.left(), 8};
  painter.drawText(beside, Qt::AlignCenter, QStringLiteral("I"));
  painter.drawText(beside.translated(0, slot.height() - 8), Qt::AlignCenter, QStringLiteral("O"));
}

void PaintResidualCurrentControls(QPainter& painter, Sprites& sprites, const PlacedDevice& placed) {
  const QRectF slot = LeverSlot(placed.body, PoleCentre(placed.body, 0), kSlotWidth);
  sprites.DrawPoleLever(painter, slot, placed.device.lever, placed.device.switched_on);
  PaintTestButton(painter, {PoleCentre(placed.body, 1), slot.top() + 5});
}

void PaintBreakerLevers(QPainter& painter, Sprites& sprites, const PlacedDevice& placed) {
  const Device& device = placed.device;
  const QRectF& body = placed.body;
  for (int pole = 0; pole < device.modules; ++pole) {
    const QRectF slot = LeverSlot(body, PoleCentre(body, pole), kSlotWidth);
    sprites.DrawPoleLever(painter, slot, device.lever, device.switched_on);
  }
  if (device.modules > 1) {
    // The handle tie makes the poles trip and switch together.
    const qreal tie_y = LeverSlot(body, 0, kSlotWidth).top() + 5;
    const QRectF tie{PoleCentre(body, 0), tie_y, (device.modules - 1) * kModuleWidth, 2.6};
    painter.setPen(QPen(device.lever.darker(170), 0.5));
    painter.setBrush(device.lever.darker(115));
    painter.drawRect(tie);
  }
}

void PaintControls(QPainter& painter, Sprites& sprites, const PlacedDevice& placed) {
  switch (placed.device.kind) {
    case DeviceKind::kMainSwitch:
      PaintMainSwitchHandle(painter, placed);
      break;
    case DeviceKind::kResidualCurrentDevice:
      PaintResidualCurrentControls(painter, sprites, placed);
      break;
    case DeviceKind::kMiniatureBreaker:
      PaintBreakerLevers(painter, sprites, placed);
      break;
    case DeviceKind::kEmptySpace:
      break;
  }
}

// Below the rating, the small print no one can read at this size, suggested by grey dashes.
void PaintSmallPrint(QPainter& painter, const QRectF& body, qreal top) {
  painter.setPen(QPen(QColor(120, 120, 118), 0.9));
  const qreal centre = body.center().x();
  painter.drawLine(QPointF(centre - 5, top), QPointF(centre + 5, top));
  painter.drawLine(QPointF(centre - 3.5, top + 2.5), QPointF(centre + 3.5, top + 2.5));
  if (body.width() > kModuleWidth) {
    painter.drawLine(QPointF(centre - 7, top + 5), QPointF(centre + 7, top + 5));
  }
}

void PaintMarking(QPainter& painter, const PlacedDevice& placed) {
  const QRectF slot = LeverSlot(placed.body, placed.body.center().x(), kSlotWidth);
  const QRectF text_area{placed.body.left(), slot.bottom() + 2, placed.body.width(), 8};
  painter.setFont(MarkingFont());
  painter.setPen(QColor(44, 46, 50));
  painter.drawText(text_area, Qt::AlignCenter, QString::fromLatin1(placed.device.marking));
  PaintSmallPrint(painter, placed.body, text_area.bottom() + 2);
}

void PaintTerminalScrews(QPainter& painter, Sprites& sprites, const Row& row) {
  int screw_index = 0;
  ForEachDevice(row, [&](const PlacedDevice& placed) {
    for (int pole = 0; pole < placed.device.modules; ++pole) {
      const int x = qRound(PoleCentre(placed.body, pole));
      for (const qreal y : {placed.body.top() + 10, placed.body.bottom() - 10}) {
        sprites.DrawTerminalScrew(painter, {x, qRound(y)}, screw_index++);
      }
    }
  });
}

// A comb busbar links the line terminals of a row, its copper showing at the cut end.
void PaintBusbar(QPainter& painter, qreal left, qreal right, qreal top) {
  const QRectF cover{left, top + 2, right - left, 6};
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawRoundedRect(cover.translated(0.8, 1.5), 1.5, 1.5);
  QLinearGradient insulation(cover.topLeft(), cover.bottomLeft());
  insulation.setColorAt(0, QColor(120, 124, 130));
  insulation.setColorAt(0.4, QColor(88, 92, 98));
  insulation.setColorAt(1, QColor(54, 56, 60));
  painter.setBrush(insulation);
  painter.drawRoundedRect(cover, 1.5, 1.5);

  painter.setBrush(QColor(214, 140, 84));
  painter.drawRect(QRectF(right - 1, cover.top() + 1.5, 3, 3));
}

// The breakers hang on the busbar; the switch ahead of them feeds it.
QRectF BreakerSpan(const Row& row) {
  QRectF span;
  ForEachDevice(row, [&](const PlacedDevice& placed) {
    if (placed.device.kind == DeviceKind::kMiniatureBreaker || !span.isNull()) {
      span = span.isNull() ? placed.body : span.united(placed.body);
    }
  });
  return span;
}

void PaintTerminalBlockWires(QPainter& painter, Sprites& sprites) {
  for (int index = 0; index < kTerminalBlockCount; ++index) {
    const QRectF block = TerminalBlock(index);
    const QPoint terminal{qRound(block.center().x()), qRound(block.bottom()) - 4};
    const int length = qRound(kUpper.trunking_below.top()) + 6 - terminal.y();
    sprites.DrawOutgoingWire(painter, terminal, length, TerminalBlockColour(index), index);
  }
}

void PaintRow(QPainter& painter, Sprites& sprites, const Row& row) {
  PaintRowShadow(painter, row);
  ForEachDevice(row, [&](const PlacedDevice& placed) {
    sprites.DrawHousing(painter, placed);
    PaintControls(painter, sprites, placed);
    PaintMarking(painter, placed);
  });
  const QRectF breakers = BreakerSpan(row);
  PaintBusbar(painter, breakers.left() + 2, breakers.right() - 2, row.top);
  PaintTerminalScrews(painter, sprites, row);
}

// A faint tile of film grain, from a fixed seed so that every run paints the same picture.
QImage FilmGrain() {
  constexpr int kTile = 64;
  QImage grain(kTile, kTile, QImage::Format_ARGB32_Premultiplied);
  quint32 seed = 0x2545F491u;
  for (int y = 0; y < kTile; ++y) {
    auto* line = reinterpret_cast<QRgb*>(grain.scanLine(y));
    for (int x = 0; x < kTile; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int alpha = static_cast<int>(seed >> 28);
      line[x] = (seed & 0x100u) ? qRgba(alpha, alpha, alpha, alpha) : qRgba(0, 0, 0, alpha);
    }
  }
  return grain;
}

// Darkened corners, a soft highlight and grain give the flat drawing a photograph's look.
void PaintLens(QPainter& painter) {
  const QRectF whole{QPointF(0, 0), QSizeF(kPictureSize)};
  QRadialGradient vignette(whole.center(), whole.width() * 0.68);
  vignette.setColorAt(0, QColor(255, 255, 255, 18));
  vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(0, 0, 0, 80));
  painter.fillRect(whole, vignette);
  painter.fillRect(whole, QBrush(FilmGrain()));
}

}  // namespace

void PaintDistributionBoard(QPainter& painter) {
  painter.save();
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  PaintWall(painter);
  PaintEnclosure(painter);
  PaintBackPlate(painter);
  for (const Row& row : kRows) {
    PaintRail(painter, row.top + kDeviceHeight / 2);
  }
  PaintSupplyCables(painter);
  PaintNeutralAndEarthSupply(painter);
  PaintLowerRowFeed(painter);
  PaintCableEntry(painter, kRowLeft + 2, kRowLeft + 3 * kModuleWidth - 2);
  PaintCableEntry(painter, TerminalBlock(0).left() - 14,
                  TerminalBlock(kTerminalBlockCount - 1).right() + 2);

  // Wires go first, so that the trunking and the devices cover their ends.
  Sprites sprites;
  for (const Row& row : kRows) {
    PaintOutgoingWires(painter, sprites, row);
  }
  PaintTerminalBlockWires(painter, sprites);
  for (const Row& row : kRows) {
    PaintTrunking(painter, row.trunking_below);
  }
  for (const Row& row : kRows) {
    PaintRow(painter, sprites, row);
  }
  PaintTerminalBlocks(painter);
  PaintLens(painter);
  painter.restore();
}

}  // namespace quillmark::app
