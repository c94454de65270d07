#pragma once
// The application's speech engine: espeak-ng on the mixer's speech voice with
// the "音声の調節" dialog as its settings dialog. Null when speech cannot be
// created (no library, voice or dictionary).

#include "sound/SpeechEngine.h"

#include <memory>

namespace lumena {

class SpeechOutput;

std::unique_ptr<SpeechEngine> createSpeechEngine(SpeechOutput& output);

} // namespace lumena
