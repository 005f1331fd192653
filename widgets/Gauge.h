#pragma once
// A horizontal percentage gauge: navy bar on the button face, the value in
// bold in the middle.
#include <QWidget>

namespace tarnwick::ui {

class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget *parent = nullptr);
    int progress() const { return m_progress; }
    void setProgress(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_progress = 0;
};

}  // namespace tarnwick::ui
