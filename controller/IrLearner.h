#pragma once

#include "controller/IrDecoder.h"

#include <QString>
#include <functional>
#include <optional>

class CommandTarget;
class Desktop;
class UnitReplies;

// Learning an IR code through the learner cable: the card is told to learn,
// the unit's sample text is awaited and decoded. Every wait goes through the
// desktop's clock with events processed, so that received text comes in.
class IrLearner
{
public:
    static const QString Question;
    static const QString NotDetectedText;
    static const QString IncompleteText;
    static const QString NotRecognisedText;

    static constexpr int SettleSteps = 20;    // before listening, of SettleStepMs
    static constexpr int SettleStepMs = 100;
    static constexpr int ListenSteps = 50;    // for the first samples, of ListenStepMs
    static constexpr int ListenStepMs = 200;
    static constexpr int SampleCount = 820;   // samples a whole signal has at least
    static constexpr int QuietSteps = 20;     // without a new sample ends the wait, of QuietStepMs
    static constexpr int QuietStepMs = 100;

    IrLearner(CommandTarget &target, Desktop &desktop, UnitReplies &replies);

    // Learns with `mode` 1..6, or detects the mode when 0; `progress` shows
    // the listening step. Nothing comes back when the user declines or the
    // learn fails; a failure has been reported and the progress set to 1.
    std::optional<IrDecoder::Result> Learn(int mode, const std::function<void(int)> &progress);

private:
    // True once the first samples have arrived.
    bool Listen(const std::function<void(int)> &progress);
    // True once SampleCount samples are in; false when they stopped short.
    bool AwaitSamples();
    void Fail(const QString &text, const std::function<void(int)> &progress);

    CommandTarget &m_target;
    Desktop &m_desktop;
    UnitReplies &m_replies;
};
