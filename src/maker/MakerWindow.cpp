#include "maker/MakerWindow.h"

#include "game/BoardSize.h"
#include "game/GiftSettings.h"
#include "maker/CropView.h"
#include "ui/GreetingLayout.h"
#include "ui/Panels.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

// The maker's reasons are clauses ("the picture ... cannot be used: ..."):
// shown alone, they start a sentence.
QString sentence(const QString &clause)
{
    if (clause.isEmpty())
        return clause;
    return clause.front().toUpper() + clause.mid(1) + (clause.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral("."));
}

} // namespace

bool MakerWindow::loadTranslation(const QLocale &desktop)
{
    static QTranslator *installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    auto *translator = new QTranslator(qApp);
    const QString code = maker::defaultLanguageCode(desktop);
    if (!translator->load(QStringLiteral(":/maker-i18n/quadrifoglio-maker_") + code)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

MakerWindow::MakerWindow(const QString &runtime, QWidget *parent) : QWidget(parent), m_runtime(runtime)
{
    setObjectName(QStringLiteral("makerWindow"));
    setWindowTitle(tr("Make a Quadrifoglio puzzle"));

    // The picture and its square.
    m_picturePath = new QLineEdit(this);
    m_picturePath->setObjectName(QStringLiteral("picturePath"));
    m_picturePath->setPlaceholderText(tr("A photo: JPEG, PNG, WebP, TIFF, BMP, GIF..."));
    auto *choosePicture = new QPushButton(tr("Choose a &picture..."), this);
    choosePicture->setObjectName(QStringLiteral("choosePicture"));
    m_pictureStatus = new QLabel(this);
    m_pictureStatus->setObjectName(QStringLiteral("pictureStatus"));
    m_pictureStatus->setTextFormat(Qt::PlainText);
    m_pictureStatus->setWordWrap(true);
    m_cropView = new CropView(this);
    m_fitCrop = new QRadioButton(tr("A &square of it (drag the square to move it)"), this);
    m_fitCrop->setObjectName(QStringLiteral("fitCrop"));
    m_fitCrop->setChecked(true);
    m_fitStretch = new QRadioButton(tr("The whole picture, s&tretched to a square"), this);
    m_fitStretch->setObjectName(QStringLiteral("fitStretch"));
    m_cropSize = new QSlider(Qt::Horizontal, this);
    m_cropSize->setObjectName(QStringLiteral("cropSize"));
    m_cropSize->setRange(10, 100);
    m_cropSize->setValue(100);
    m_cropSize->setToolTip(tr("The size of the square"));

    // The language and the greeting, shown in the game's own panel.
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("language"));
    for (int digit = 0; digit < maker::languageCodes().size(); ++digit)
        m_language->addItem(maker::languageNativeName(digit), maker::languageCodes()[digit]);
    m_language->setCurrentIndex(*maker::languageDigit(maker::defaultLanguageCode()));
    m_greeting = new QLineEdit(this);
    m_greeting->setObjectName(QStringLiteral("greetingEdit"));
    m_greeting->setPlaceholderText(tr("Happy birthday, Anna!"));
    m_panel = new GreetingPanel(this);
    m_panel->setFixedSize(m_panel->size());
    m_greetingStatus = new QLabel(this);
    m_greetingStatus->setObjectName(QStringLiteral("greetingStatus"));
    m_greetingStatus->setTextFormat(Qt::PlainText);
    m_greetingStatus->setWordWrap(true);

    // Where it goes.
    m_out = new QLineEdit(this);
    m_out->setObjectName(QStringLiteral("outPath"));
    m_out->setPlaceholderText(tr("A new folder, or the file to make"));
    auto *chooseOut = new QPushButton(tr("C&hoose..."), this);
    chooseOut->setObjectName(QStringLiteral("chooseOut"));
    m_singleFile = new QCheckBox(tr("As &one file that unpacks and starts the game"), this);
    m_singleFile->setObjectName(QStringLiteral("singleFile"));

    m_make = new QPushButton(tr("&Make"), this);
    m_make->setObjectName(QStringLiteral("make"));
    m_make->setDefault(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false); // no "0%" before anything starts
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("result"));
    m_result->setTextFormat(Qt::PlainText);
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_try = new QPushButton(tr("T&ry the copy"), this);
    m_try->setObjectName(QStringLiteral("tryCopy"));
    m_try->setEnabled(false);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setEnabled(false);
    // The preview keeps its size whatever the texts beside and below it say.
    m_cropView->setFixedSize(m_cropView->sizeHint());

    auto *pictureRow = new QHBoxLayout;
    pictureRow->addWidget(m_picturePath, 1);
    pictureRow->addWidget(choosePicture);
    auto *fitColumn = new QVBoxLayout;
    fitColumn->addWidget(m_fitCrop);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addSpacing(20);
    sizeRow->addWidget(new QLabel(tr("Size:"), this));
    sizeRow->addWidget(m_cropSize, 1);
    fitColumn->addLayout(sizeRow);
    fitColumn->addWidget(m_fitStretch);
    fitColumn->addWidget(m_pictureStatus);
    fitColumn->addStretch(1);
    auto *viewRow = new QHBoxLayout;
    viewRow->addWidget(m_cropView);
    viewRow->addLayout(fitColumn, 1);
    auto *outRow = new QHBoxLayout;
    outRow->addWidget(m_out, 1);
    outRow->addWidget(chooseOut);
    auto *makeRow = new QHBoxLayout;
    makeRow->addWidget(m_make);
    makeRow->addWidget(m_cancel);
    makeRow->addWidget(m_progress, 1);
    makeRow->addWidget(m_try);

    auto *form = new QFormLayout;
    form->addRow(tr("Picture:"), pictureRow);
    form->addRow(viewRow);
    form->addRow(tr("&Language:"), m_language);
    form->addRow(tr("&Greeting:"), m_greeting);
    form->addRow(QString(), m_panel);
    form->addRow(QString(), m_greetingStatus);
    form->addRow(tr("Save as:"), outRow);
    form->addRow(QString(), m_singleFile);
    auto *top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addLayout(makeRow);
    top->addWidget(m_result);

    connect(choosePicture, &QPushButton::clicked, this, [this] {
        auto *dialog = new QFileDialog(this, tr("Choose the puzzle's picture"),
                                       QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        QStringList patterns;
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            patterns << QStringLiteral("*.") + QString::fromLatin1(format);
        dialog->setNameFilters({tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))),
                                tr("All files (*)")});
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QFileDialog::fileSelected, this, &MakerWindow::setPicture);
        dialog->open();
    });
    connect(m_picturePath, &QLineEdit::editingFinished, this, [this] {
        if (m_picturePath->isModified())
            setPicture(m_picturePath->text());
        m_picturePath->setModified(false);
    });
    connect(m_fitCrop, &QRadioButton::toggled, this, [this](bool crop) {
        m_cropView->setCropShown(crop);
        m_cropSize->setEnabled(crop);
    });
    connect(m_cropSize, &QSlider::valueChanged, m_cropView, &CropView::setCropPercent);
    connect(m_cropView, &CropView::cropChanged, this, [this] {
        const QSignalBlocker blocker(m_cropSize);
        m_cropSize->setValue(m_cropView->cropPercent());
        updatePictureStatus();
    });
    connect(m_fitStretch, &QRadioButton::toggled, this, &MakerWindow::updatePictureStatus);
    connect(m_singleFile, &QCheckBox::toggled, this, &MakerWindow::proposeOutput);
    connect(m_cancel, &QPushButton::clicked, this, &MakerWindow::cancel);
    connect(m_language, &QComboBox::currentIndexChanged, this, &MakerWindow::updateGreeting);
    connect(m_greeting, &QLineEdit::textChanged, this, &MakerWindow::updateGreeting);
    connect(m_out, &QLineEdit::textChanged, this, &MakerWindow::updateMakeButton);
    connect(chooseOut, &QPushButton::clicked, this, &MakerWindow::chooseOutput);
    connect(m_make, &QPushButton::clicked, this, &MakerWindow::make);
    connect(m_try, &QPushButton::clicked, this, &MakerWindow::tryCopy);

    updateGreeting();
}

MakerWindow::~MakerWindow()
{
    // The copy being made stops and removes what it wrote.
    if (m_thread) {
        m_stop->store(true);
        m_thread->wait();
    }
}

void MakerWindow::closeEvent(QCloseEvent *event)
{
    cancel();
    QWidget::closeEvent(event);
}

void MakerWindow::cancel()
{
    if (m_stop)
        m_stop->store(true);
}

void MakerWindow::setPicture(const QString &path)
{
    m_picturePath->setText(path);
    QSize size;
    QString why;
    const QImage preview = maker::previewPicture(path, m_cropView->sizeHint() * devicePixelRatioF(), &size, &why);
    m_pictureReady = !preview.isNull();
    if (!m_pictureReady) {
        m_cropView->setPicture({}, {});
        m_pictureStatus->setText(tr("This picture cannot be used: %1").arg(sentence(why)));
    } else {
        m_cropView->setPicture(preview, size);
        updatePictureStatus();
    }
    updateMakeButton();
}

void MakerWindow::updatePictureStatus()
{
    if (!m_pictureReady)
        return;
    const QSize size = m_cropView->pictureSize();
    const int side = m_fitStretch->isChecked() ? qMin(size.width(), size.height()) : m_cropView->crop().width();
    QString text = tr("%1 x %2 pixels").arg(size.width()).arg(size.height());
    if (!maker::smallPictureWarning(side).isEmpty())
        text += QLatin1Char(' ') + tr("Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the "
                                      "picture will show enlarged and blurred.")
                                       .arg(side)
                                       .arg(boardsize::CommonSide);
    m_pictureStatus->setText(text);
}

void MakerWindow::proposeOutput(bool singleFile)
{
    QString path = m_out->text().trimmed();
    if (path.isEmpty())
        path = QDir(QDir::homePath()).filePath(QStringLiteral("Puzzle"));
    while (path.endsWith(QLatin1Char('/')) && path.size() > 1)
        path.chop(1);
    const QString suffix = QStringLiteral(".run");
    if (singleFile && !path.endsWith(suffix))
        path += suffix;
    else if (!singleFile && path.endsWith(suffix))
        path.chop(suffix.size());
    m_out->setText(path);
}

void MakerWindow::updateGreeting()
{
    const int digit = m_language->currentIndex();
    const QString text = m_greeting->text();
    const gift::Greeting shown = gift::parseFirstLine(QString(QChar(u'0' + digit)) + text);
    m_panel->setGreeting(shown.text, greetinglayout::fontFor(shown.style));

    QStringList notes;
    m_greetingFits = maker::greetingProblem(text).isEmpty() && maker::greetingFitProblem(text).isEmpty();
    if (const QString problem = maker::greetingProblem(text); !problem.isEmpty())
        notes << sentence(problem);
    else if (const QString problem = maker::greetingFitProblem(text); !problem.isEmpty())
        notes << sentence(problem);
    else if (text.isEmpty())
        notes << tr("Without a greeting the game shows its name.");
    else
        notes << tr("The greeting fits.");
    if (const QString warning = maker::greetingGlyphWarning(text); !warning.isEmpty())
        notes << sentence(warning);
    m_greetingStatus->setText(notes.join(QLatin1Char(' ')));
    updateMakeButton();
}

void MakerWindow::updateMakeButton()
{
    m_make->setEnabled(!m_thread && m_pictureReady && m_greetingFits && !m_out->text().trimmed().isEmpty());
}

void MakerWindow::chooseOutput()
{
    const bool single = m_singleFile->isChecked();
    auto *dialog = new QFileDialog(this, single ? tr("Save the puzzle as one file")
                                                : tr("Save the puzzle as a new folder"),
                                   QDir::homePath());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->selectFile(single ? QStringLiteral("Puzzle.run") : QStringLiteral("Puzzle"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, m_out, &QLineEdit::setText);
    dialog->open();
}

maker::Request MakerWindow::request() const
{
    maker::Request request;
    request.picture = m_picturePath->text();
    request.language = m_language->currentData().toString();
    request.greeting = m_greeting->text();
    request.out = QDir::fromNativeSeparators(m_out->text().trimmed());
    request.singleFile = m_singleFile->isChecked();
    request.runtime = m_runtime;
    if (m_fitStretch->isChecked())
        request.picturing.fit = maker::Fit::Stretch;
    else if (m_cropView->crop() != maker::centredSquare(m_cropView->pictureSize()))
        request.picturing.crop = m_cropView->crop();
    return request;
}

void MakerWindow::make()
{
    if (m_thread || !m_make->isEnabled())
        return;
    const maker::Request wanted = request();
    const int digit = *maker::languageDigit(wanted.language);
    m_try->setEnabled(false);
    if (m_runtime.isEmpty()) {
        maker::Result missing;
        missing.error = tr("the game and its libraries were not found beside the maker; install the game again");
        showResult(missing, digit);
        return;
    }
    m_result->setText(QString());
    // The copy is made on a thread of its own and reports back through
    // queued calls: the window stays alive while a large one is packed.
    QPointer<MakerWindow> self(this);
    m_stop = std::make_shared<std::atomic_bool>(false);
    const std::shared_ptr<std::atomic_bool> stop = m_stop;
    m_thread = QThread::create([self, wanted, digit, stop] {
        const maker::Result result = maker::makeCopy(
            wanted,
            [self](int percent, const QString &step) {
                QMetaObject::invokeMethod(self, [self, percent, step] {
                    if (self)
                        self->showProgress(percent, step);
                }, Qt::QueuedConnection);
            },
            [stop] { return !stop->load(); });
        QMetaObject::invokeMethod(self, [self, result, digit] {
            if (self)
                self->showResult(result, digit);
        }, Qt::QueuedConnection);
    });
    m_thread->setObjectName(QStringLiteral("copy maker"));
    // The keyboard focus stays on the row of Make: Cancel takes it while
    // Make is off.
    const bool makeHadFocus = m_make->hasFocus();
    m_cancel->setEnabled(true);
    if (makeHadFocus)
        m_cancel->setFocus();
    updateMakeButton();
    m_started.start();
    m_progress->setValue(0);
    m_progress->setTextVisible(true);
    m_progress->setFormat(tr("Starting") + QStringLiteral(": %p%"));
    m_thread->start();
}

void MakerWindow::showProgress(int percent, const QString &step)
{
    if (!m_thread)
        return;
    m_progress->setValue(percent);
    // The steps makeCopy names are translated here.
    QString format = tr(qPrintable(step)) + QStringLiteral(": %p%");
    // An estimate once there is something to go by.
    const qint64 elapsed = m_started.elapsed();
    if (percent >= 5 && percent < 100 && elapsed > 2000) {
        const qint64 left = (elapsed * (100 - percent) / percent + 999) / 1000;
        format += left < 60 ? tr(", about %1 s left").arg(left)
                            : tr(", about %1 min left").arg((left + 59) / 60);
    }
    m_progress->setFormat(format);
}

void MakerWindow::showResult(const maker::Result &result, int digit)
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    const bool cancelHadFocus = m_cancel->hasFocus();
    updateMakeButton();
    if (cancelHadFocus)
        m_make->setFocus();
    m_cancel->setEnabled(false);
    m_stop.reset();
    m_progress->setFormat(QStringLiteral("%p%"));
    QString message;
    if (result.cancelled) {
        m_progress->setValue(0);
        m_progress->setTextVisible(false);
        message = tr("Stopped. Nothing was written.");
        m_result->setStyleSheet(QString());
    } else if (result.ok) {
        m_progress->setValue(100);
        m_lastCopy = result.folder;
        message = readyMessage(result, digit);
        if (!result.warning.isEmpty())
            message += QLatin1Char('\n') + sentence(result.warning);
        m_result->setStyleSheet(QString());
        m_try->setEnabled(true);
    } else {
        m_progress->setValue(0);
        m_progress->setTextVisible(false);
        message = tr("The copy was not made. %1").arg(sentence(result.error));
        if (!result.touched)
            message += QLatin1Char(' ') + tr("Nothing was written.");
        m_result->setStyleSheet(QStringLiteral("color: #a00000"));
    }
    m_result->setText(message);
    emit finished(result.ok, message);
}

QString MakerWindow::readyMessage(const maker::Result &result, int digit) const
{
    const QFileInfo copy(result.folder);
    const QString where = QLatin1Char('"') + QDir::toNativeSeparators(result.folder) + QLatin1Char('"');
    if (copy.isFile())
        return tr("Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:\n  %3")
            .arg(where, maker::sizeInWords(result.bytes), maker::singleFileInstructions(digit, copy.fileName()));
    return tr("Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:\n  %3")
        .arg(where, maker::sizeInWords(result.bytes),
             maker::shellQuoted(QDir(result.folder).filePath(QLatin1String(maker::GameExecutableName))));
}

void MakerWindow::tryCopy()
{
    if (m_lastCopy.isEmpty())
        return;
    const QFileInfo copy(m_lastCopy);
    if (copy.isFile())
        QProcess::startDetached(QStringLiteral("/bin/sh"), {m_lastCopy}, copy.path());
    else
        QProcess::startDetached(QDir(m_lastCopy).filePath(QLatin1String(maker::GameExecutableName)), {}, m_lastCopy);
}
