#pragma once

#include <QWidget>

class QProgressBar;

// The splash window shown while the application windows are created: a
// tool window centred on the screen with the picture of the language and a
// progress bar `Bar` (0 to 100).
class TStarterF : public QWidget {
    Q_OBJECT
public:
    // english: the language mode is not Polish.
    explicit TStarterF(bool english, QWidget* parent = nullptr);
    QProgressBar* Bar = nullptr;
};
