#pragma once
// A horizontal track bar with tick marks below and a selection marker: the
// marked position is drawn over the groove so a threshold's default stays
// visible while the thumb moves.
#include <QSlider>

namespace tarnwick {

class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(QWidget *parent = nullptr);
    void setSelection(int start, int end);
    int selectionStart() const { return m_selStart; }
    int selectionEnd() const { return m_selEnd; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_selStart = -1;
    int m_selEnd = -1;
};

}  // namespace tarnwick
