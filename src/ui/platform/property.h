// The write rule of the controls' properties: a new value is stored only
// when it differs from the stored one, and only then does the control
// notify (repaint, announce a change).
#pragma once

#include <utility>

namespace paxamon {

// Stores value in field when they differ; returns whether it did. A setter
// reads: if (!storeIfChanged(field_, value)) return; then it notifies.
template <typename T, typename U>
bool storeIfChanged(T& field, U&& value) {
  if (field == value) return false;
  field = std::forward<U>(value);
  return true;
}

}  // namespace paxamon
