#pragma once

#include <QByteArray>

// The figures and arrows of the visual recognition task and the scoring of one trial's
// answer, without widgets.
//
// Central: a pair of white figures, identical or differing in shape, contrast, orientation or
// size; ten codes (identical pairs twice) name the pair and the button that answers it.
// Peripheral: six arrows on a circle, one pointing inward; the patient clicks its position.
// Dual: both at once, the two answers in either order.
namespace RecognitionAnswer {

enum Subtask { Central = 0, Peripheral = 1, Dual = 2 };
enum Figure { Normal, Rounded, Grey, Turned, Smaller };
// The central answer buttons, in the order of the figure kinds they name.
enum Button { Uniform, Shape, Contrast, Orientation, Size };

constexpr int figureCodeCount = 10;
constexpr int buttonCount = 5;
constexpr int positionCount = 6;

// "IdR" … "SzL", the log's text of a figure code.
QByteArray figureText(int code);
// The left and the right figure of a code.
Figure leftFigure(int code);
Figure rightFigure(int code);
// The button that answers a code.
Button correctButton(int code);
// "Id", "Sh", "Cn", "Or", "Sz".
QByteArray buttonText(int button);
// "TL", "ML", "BL", "TR", "MR", "BR".
QByteArray positionText(int position);
// Angle of the arrow at a position, degrees clockwise from the right (screen y downward).
int positionAngle(int position);

// One trial's answer: the halves the subtask asks for, each answered once.
class Trial
{
public:
    // Error parts of the log's answer code: 0 both right, 1 central wrong, 2 peripheral wrong,
    // 3 both wrong.
    static constexpr int centralError = 1;
    static constexpr int peripheralError = 2;

    void begin(int subtask);
    bool wantsCentral() const { return !m_centralDone; }
    bool wantsPosition() const { return !m_peripheralDone; }
    // A central button for the shown figure code; true when the trial is now complete.
    bool answerCentral(int button, int shownCode);
    // A position button for the target position; true when the trial is now complete.
    bool answerPosition(int position, int target);
    bool complete() const { return m_centralDone && m_peripheralDone; }
    bool correct() const { return m_centralCorrect && m_peripheralCorrect; }
    int errorCode() const { return m_errorParts; }

    int subtask() const { return m_subtask; }
    // The texts of the trial row: figure code, central answer, target position, position
    // answer; the half the subtask does not ask for stays empty.
    QByteArray figure() const { return m_figure; }
    QByteArray centralAnswer() const { return m_centralAnswer; }
    QByteArray position() const { return m_position; }
    QByteArray positionAnswer() const { return m_positionAnswer; }
    // The stimulus of a trial that got no answer, for its row.
    void recordStimulus(int shownCode, int target);
    void clearAnswers();

private:
    int m_subtask = Central;
    bool m_centralDone = true;
    bool m_peripheralDone = true;
    bool m_centralCorrect = true;
    bool m_peripheralCorrect = true;
    int m_errorParts = 0;
    QByteArray m_figure;
    QByteArray m_centralAnswer;
    QByteArray m_position;
    QByteArray m_positionAnswer;
};

} // namespace RecognitionAnswer
