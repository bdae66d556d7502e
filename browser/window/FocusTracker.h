#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Tells when the keyboard focus comes into a widget or any widget inside it,
// by a click or a keyboard move of the user's, where the engine's widgets
// would not all tell it themselves.
class FocusTracker : public QObject {
    Q_OBJECT
public:
    // area: the widget whose inside is watched; it passes its focus on to the
    // widget it holds.
    explicit FocusTracker(QWidget& area, QObject* parent = nullptr);

signals:
    void gotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* object);
    void onFocusChanged(QWidget* old, QWidget* now);

    // A plain widget: the handlers also run while it is being destroyed.
    QPointer<QWidget> m_area;
    Qt::FocusReason m_focusInReason = Qt::OtherFocusReason;  // of the last focus-in inside the area
};
