#include "tasks/test1/recognitionanswer.h"

namespace RecognitionAnswer {

namespace {
const char *const figureTexts[figureCodeCount] = {"IdR", "ShR", "CnR", "OrR", "SzR",
                                                  "IdL", "ShL", "CnL", "OrL", "SzL"};
const char *const buttonTexts[buttonCount] = {"Id", "Sh", "Cn", "Or", "Sz"};
const char *const positionTexts[positionCount] = {"TL", "ML", "BL", "TR", "MR", "BR"};
const int angles[positionCount] = {225, 180, 135, 315, 0, 45};
} // namespace

QByteArray figureText(int code)
{
    return figureTexts[code];
}

// Codes 0 … 4 differ on the right, 5 … 9 on the left; the kind is the code's button.
Figure leftFigure(int code)
{
    return code < 5 ? Normal : Figure(code - 5);
}

Figure rightFigure(int code)
{
    return code < 5 ? Figure(code) : Normal;
}

Button correctButton(int code)
{
    return Button(code % 5);
}

QByteArray buttonText(int button)
{
    return buttonTexts[button];
}

QByteArray positionText(int position)
{
    return positionTexts[position];
}

int positionAngle(int position)
{
    return angles[position];
}

void Trial::begin(int subtask)
{
    m_subtask = subtask;
    // A half the subtask does not ask for counts as given and right.
    m_centralDone = subtask == Peripheral;
    m_peripheralDone = subtask == Central;
    m_centralCorrect = m_centralDone;
    m_peripheralCorrect = m_peripheralDone;
    m_errorParts = 0;
    clearAnswers();
}

void Trial::clearAnswers()
{
    m_figure.clear();
    m_centralAnswer.clear();
    m_position.clear();
    m_positionAnswer.clear();
}

bool Trial::answerCentral(int button, int shownCode)
{
    if (m_centralDone)
        return false;
    m_centralCorrect = correctButton(shownCode) == button;
    m_centralAnswer = buttonText(button);
    m_figure = figureText(shownCode);
    m_centralDone = true;
    if (!m_centralCorrect)
        m_errorParts += centralError;
    return complete();
}

bool Trial::answerPosition(int position, int target)
{
    if (m_peripheralDone)
        return false;
    m_peripheralCorrect = position == target;
    m_positionAnswer = positionText(position);
    m_position = positionText(target);
    m_peripheralDone = true;
    if (!m_peripheralCorrect)
        m_errorParts += peripheralError;
    return complete();
}

void Trial::recordStimulus(int shownCode, int target)
{
    if (m_subtask != Peripheral)
        m_figure = figureText(shownCode);
    if (m_subtask != Central)
        m_position = positionText(target);
}

} // namespace RecognitionAnswer
