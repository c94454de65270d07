#pragma once
// "音声の調節": voice, speed, pitch and volume of the speech engine, with a
// test button that reads a sample sentence. Changes apply as they are made;
// Cancel puts the values from before the dialog back. The values last for
// the run.

#include "sound/EspeakSpeech.h"

#include <QDialog>

class QComboBox;
class QSlider;

namespace lumena {

class VoiceDialog final : public QDialog {
    Q_OBJECT
public:
    VoiceDialog(EspeakSpeech& engine, const QString& title, QWidget* parent = nullptr);

    static inline const QString kSample =
        QStringLiteral("次は、駅前です。お降りの方はお知らせください。");

    // Shows the dialog modally for `engine`, owned by `owner`.
    static void showModal(QObject* owner, const QString& title, EspeakSpeech& engine);

    void reject() override;

private:
    void applyControls();

    EspeakSpeech& m_engine;
    QComboBox* m_voice;
    QSlider* m_speed;
    QSlider* m_pitch;
    QSlider* m_volume;
    VoiceSettings m_initial;
};

} // namespace lumena
