#include "forms/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "forms/picture_box.h"

namespace quillmark::forms::accessibility {
namespace {

constexpr char kMessageDescription[] = "quillmark_message_description";

// Qt names a label without a caption after the frame it sits in, so an empty message label
// would be read as "Input Values" or "Result".
class MessageLabel : public QAccessibleWidget {
 public:
  explicit MessageLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    const auto* label = static_cast<const QLabel*>(widget());
    switch (kind) {
      case QAccessible::Name:
        return label->text();
      case QAccessible::Description:
        return label->property(kMessageDescription).toString();
      default:
        return QAccessibleWidget::text(kind);
    }
  }
};

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr)
    return nullptr;
  if (class_name == QLatin1String("QLabel") && widget->property(kMessageDescription).isValid())
    return new MessageLabel(static_cast<QLabel*>(widget));
  // Qt would expose the picture as a plain frame; it is an image, named by its window.
  if (qobject_cast<PictureBox*>(widget) != nullptr)
    return new QAccessibleWidget(widget, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

void Install() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

void MarkAsMessageLabel(QLabel& label, const QString& description) {
  label.setProperty(kMessageDescription, description);
}

// A label whose caption changes tells of its new name itself; Qt 6.8 can also ask for the
// message to be spoken at once.
void Announce([[maybe_unused]] QLabel& label, [[maybe_unused]] const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(&label, message);
  announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
  QAccessible::updateAccessibility(&announcement);
#endif
}

}  // namespace quillmark::forms::accessibility
