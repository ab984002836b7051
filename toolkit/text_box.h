#pragma once
// What every text box of the layer shares: the middle click that pastes the X selection. Qt 6.4's
// own paste dereferences a null pointer when no program owns the selection, so the boxes take that
// click themselves and insert the selection's text as plain text.
#include <QString>
#include <functional>

class QMouseEvent;

namespace tk {

// For a middle-button release on a platform with a selection: calls insert with the selection's
// text when there is some (nothing happens otherwise) and returns true; the box's own handling
// must then be skipped. Returns false for every other release.
bool pasteSelection(const QMouseEvent& release, const std::function<void(const QString&)>& insert);

}  // namespace tk
