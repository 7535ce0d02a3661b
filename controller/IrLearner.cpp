#include "controller/IrLearner.h"

#include "app/Desktop.h"
#include "command/CommandTarget.h"
#include "command/UnitReplies.h"

const QString IrLearner::Question = QStringLiteral(
    "Install IR Learner cable into RS-232 port before using this command. Ready?");
const QString IrLearner::NotDetectedText =
    QStringLiteral("IR signal was not detected. Learn Aborted. OK to Reset.");
const QString IrLearner::IncompleteText =
    QStringLiteral("IR signal was incomplete. Learn Aborted.");
const QString IrLearner::NotRecognisedText = QStringLiteral("IR signal was not recognised.");

IrLearner::IrLearner(CommandTarget &target, Desktop &desktop, UnitReplies &replies)
    : m_target(target), m_desktop(desktop), m_replies(replies)
{
}

std::optional<IrDecoder::Result> IrLearner::Learn(int mode,
                                                   const std::function<void(int)> &progress)
{
    if (!m_desktop.AskYesNo(Question))
        return std::nullopt;
    m_target.SendCommand(QStringLiteral("[LEARNIRC%c]"), QString(), QString());
    for (int i = 0; i < SettleSteps; ++i) {
        m_desktop.ProcessEvents();
        m_desktop.Sleep(SettleStepMs);
    }
    m_replies.ClearReceivedText();

    if (!Listen(progress)) {
        m_desktop.Inform(NotDetectedText);
        m_target.SendCommand(QStringLiteral("[RES]"), QString(), QString());
        progress(1);
        return std::nullopt;
    }
    if (!AwaitSamples()) {
        Fail(IncompleteText, progress);
        return std::nullopt;
    }
    const IrDecoder::Result result = IrDecoder::Decode(m_replies.ReceivedText(), mode);
    switch (result.status) {
    case IrDecoder::Result::Status::Decoded:
        return result;
    case IrDecoder::Result::Status::NoMode:
        Fail(NotRecognisedText, progress);
        break;
    case IrDecoder::Result::Status::Incomplete:
        Fail(IncompleteText, progress);
        break;
    }
    return std::nullopt;
}

bool IrLearner::Listen(const std::function<void(int)> &progress)
{
    for (int step = 1; step <= ListenSteps; ++step) {
        m_desktop.ProcessEvents();
        m_desktop.Sleep(ListenStepMs);
        m_desktop.ProcessEvents();
        progress(step);
        if (!m_replies.ReceivedText().isEmpty())
            return true;
    }
    return false;
}

bool IrLearner::AwaitSamples()
{
    qsizetype seen = m_replies.ReceivedText().size();
    int quietSteps = 0;
    for (;;) {
        m_desktop.ProcessEvents();
        const qsizetype received = m_replies.ReceivedText().size();
        if (received >= SampleCount)
            return true;
        if (received != seen) {
            seen = received;
            quietSteps = 0;
        } else if (quietSteps == QuietSteps) {
            return false;
        }
        m_desktop.Sleep(QuietStepMs);
        ++quietSteps;
    }
}

void IrLearner::Fail(const QString &text, const std::function<void(int)> &progress)
{
    m_desktop.Inform(text);
    progress(1);
}
