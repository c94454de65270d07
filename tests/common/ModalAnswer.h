#pragma once
// Modal dialogs answered by the test (the helpers the render tool uses too).

#include "reslib/ModalAnswer.h"

namespace lumena::test {

using lumena::answerMessageBox;
using lumena::answerModal;

} // namespace lumena::test
