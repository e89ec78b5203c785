#pragma once

#include "maker/Maker.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <memory>

class CropView;
class GreetingPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QThread;

// The maker's window, for gift-makers who would rather not type commands:
// the picture and its square, the language, the greeting as the friend will
// see it in the game's own message panel, where to save, and Make. It makes
// the copy with the command line's own makeCopy, on a thread of its own.
class MakerWindow : public QWidget
{
    Q_OBJECT

public:
    // Installs the window's texts in the desktop's language (one of the
    // five, else English) into the application; false when none is found.
    static bool loadTranslation(const QLocale &desktop = QLocale::system());

    // `runtime` is the portable runtime the copies are made of.
    explicit MakerWindow(const QString &runtime, QWidget *parent = nullptr);
    ~MakerWindow() override;

    // The request the window would make now.
    maker::Request request() const;
    bool isMaking() const { return m_thread != nullptr; }
    // What the last copy was (the folder, or the single file); empty before.
    QString lastCopy() const { return m_lastCopy; }

public slots:
    void setPicture(const QString &path);
    void make();
    // Stops the copy being made; what it wrote so far is removed.
    void cancel();
    void tryCopy();

signals:
    // The copy is made, or was refused (`ok` false, with the reason).
    void finished(bool ok, const QString &message);

protected:
    // Closing the window while a copy is made stops it.
    void closeEvent(QCloseEvent *event) override;

private:
    void updateGreeting();
    void updatePictureStatus();
    void proposeOutput(bool singleFile);
    void updateMakeButton();
    void chooseOutput();
    void showProgress(int percent, const QString &step);
    void showResult(const maker::Result &result, int digit);
    QString readyMessage(const maker::Result &result, int digit) const;

    QString m_runtime;
    QLineEdit *m_picturePath = nullptr;
    QLabel *m_pictureStatus = nullptr;
    CropView *m_cropView = nullptr;
    QRadioButton *m_fitCrop = nullptr;
    QRadioButton *m_fitStretch = nullptr;
    QSlider *m_cropSize = nullptr;
    QComboBox *m_language = nullptr;
    QLineEdit *m_greeting = nullptr;
    GreetingPanel *m_panel = nullptr;
    QLabel *m_greetingStatus = nullptr;
    QLineEdit *m_out = nullptr;
    QCheckBox *m_singleFile = nullptr;
    QPushButton *m_make = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_result = nullptr;
    QPushButton *m_try = nullptr;
    QPushButton *m_cancel = nullptr;
    std::shared_ptr<std::atomic_bool> m_stop;
    QElapsedTimer m_started;
    bool m_pictureReady = false;
    bool m_greetingFits = true;
    QString m_lastCopy;
    QThread *m_thread = nullptr;
};
