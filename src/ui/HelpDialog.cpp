#include "ui/HelpDialog.h"

#include "game/Texts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

HelpDialog::HelpDialog(QWidget *parent, texts::Language language) : QDialog(parent)
{
    using Id = texts::TextId;
    setObjectName(QStringLiteral("helpDialog"));
    setWindowTitle(texts::text(language, Id::HowToPlay));
    setFont(QFont(QStringLiteral("Arial"), 9));

    auto *words = new QLabel(this);
    words->setObjectName(QStringLiteral("howToPlay"));
    words->setTextFormat(Qt::PlainText);
    words->setWordWrap(true);
    words->setText(texts::text(language, Id::HowToPlayText));
    words->setFixedWidth(380);

    auto *close = new QPushButton(texts::text(language, texts::TextId::Close), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(words);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
