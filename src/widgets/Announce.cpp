// Telling screen readers about status changes.
#include "widgets/Announce.h"

#include <QAccessible>
#include <QWidget>

namespace gw {

void AnnounceStatus(QWidget* where, const QString& status) {
  // Setting the description sends its own change event; the alert asks for it to be spoken
  // even though the focus stays where it is.
  where->setAccessibleDescription(status);
  QAccessibleEvent alert(where, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace gw
