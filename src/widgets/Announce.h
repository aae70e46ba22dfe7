// Status changes told to screen readers.
#pragma once

class QString;
class QWidget;

namespace gw {

// Tells screen readers about a change the window shows in its own way (a painted line, a check
// that finished): `status` becomes the accessible description of `where`, and the change is
// announced as a live region would announce it.
void AnnounceStatus(QWidget* where, const QString& status);

}  // namespace gw
