#pragma once

#include "ui/Captions.h"

#include <QDialog>

class QLabel;

// The About box: product, version, rights notice, contact lines and a
// picture per interface language.
class TCreditsF : public QDialog, public TTranslatable {
    Q_OBJECT
public:
    explicit TCreditsF(QWidget* parent = nullptr);
    void ApplyLanguage() override;
    // The English picture when english, the Polish one otherwise.
    void ShowPicture(bool english);

private:
    QLabel* Picture = nullptr;
};
