#pragma once
// The state of the viewer as one line of JSON, in the fixed form of the
// automation interface.

#include <QByteArray>

namespace sumire {

class Form1;
class RecordingActions;

// The message boxes and program starts recorded since the previous dump are
// taken from `recorded`.
QByteArray dumpState(Form1& form, RecordingActions& recorded);

}  // namespace sumire
