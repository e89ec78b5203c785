#pragma once

#include "game/Texts.h"

#include <QDialog>

// How to play, in a few lines, with the keys: opened by F1.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    HelpDialog(QWidget *parent, texts::Language language);
};
