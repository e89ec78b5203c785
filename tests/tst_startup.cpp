// Start-up: the screen size, Matrix.dat, finding and reading the picture,
// the layout and the colour kept in the score file.

#include "support/GameFixture.h"

#include "resources/Resources.h"

#include <QLabel>

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void screenMustBeAtLeast800x600_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("runs");
        QTest::newRow("799 x 600") << QSize(799, 600) << false;
        QTest::newRow("800 x 599") << QSize(800, 599) << false;
        QTest::newRow("800 x 600") << QSize(800, 600) << true;
    }
    void screenMustBeAtLeast800x600()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, runs);
        GameFixture game;
        frmPuzzle *form = game.startCopy('0', screen);
        QCOMPARE(game.lives, runs);
        QCOMPARE(form != nullptr, runs);
        if (runs) {
            QVERIFY(game.fakes.messages.shown.isEmpty());
            return;
        }
        QCOMPARE(game.fakes.messages.shown.size(), 1);
        const ShownMessage &m = game.fakes.messages.shown.first();
        QCOMPARE(m.style, 16);
        QCOMPARE(m.title, QStringLiteral("Quadrifoglio"));
        QCOMPARE(m.text,
                 QString::fromUtf8("Per visualizzare correttamente il gioco\r\n"
                                   "occorre impostare una risoluzione video\r\n"
                                   "non inferiore a 800x600.\r\n"
                                   "Modificare la risoluzione video e, quindi, riprovare.\r\n"
                                   "\r\n"
                                   "Best visual results if used with 800x600 pixel monitor.\r\n"
                                   "Modify your video settings and try again.\r\n"
                                   "\r\n"
                                   "Visualization optimal avec video 800x6000 pixel.\r\n"
                                   "Modifier la résolution vidéo et réessayer"));
        QVERIFY(!game.folder.scoreFileExists());
    }

    void matrixDatSetsLanguageAndMessage_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("French greeting")
            << "Matrix.dat" << QByteArray("2Joyeux anniversaire\r\n") << 200
            << "Joyeux anniversaire" << 10 << false << false;
        QTest::newRow("English digit alone")
            << "Matrix.dat" << QByteArray("1\n") << 100 << "Quadrifoglio" << 28 << true << true;
        QTest::newRow("only spaces after the digit")
            << "Matrix.dat" << QByteArray("3     \n") << 300 << "Quadrifoglio" << 28 << true << true;
        QTest::newRow("empty first line")
            << "Matrix.dat" << QByteArray("\n1Hello") << 0 << "Quadrifoglio" << 28 << true << true;
        QTest::newRow("5 is no language") << "Matrix.dat" << QByteArray("5Ciao") << 0 << "Ciao" << 10 << false << false;
        QTest::newRow("letter first, spaces kept on the left only")
            << "Matrix.dat" << QByteArray("x   Ciao   \n") << 0 << "   Ciao" << 10 << false << false;
        QTest::newRow("missing") << "" << QByteArray() << 0 << "Quadrifoglio" << 28 << false << false;
        QTest::newRow("Windows name and code page")
            << "MATRIX.DAT" << QByteArray("4Feliz cumplea\xf1os\r\n") << 400
            << QString::fromUtf8("Feliz cumpleaños") << 10 << false << false;
        QTest::newRow("markup shown as text")
            << "Matrix.dat" << QByteArray("1<b>Tanti</b> <img src=x>") << 100
            << "<b>Tanti</b> <img src=x>" << 10 << false << false;
    }
    void matrixDatSetsLanguageAndMessage()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(int, language);
        QFETCH(QString, message);
        QFETCH(int, pointSize);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        GameFixture game;
        game.givePicture();
        if (!fileName.isEmpty())
            game.folder.write(fileName, bytes);
        frmPuzzle *form = game.start();
        QVERIFY(form);
        QCOMPARE(int(NewPuzzle::Language), language);
        QCOMPARE(form->cmdStart->text(), resources::LoadResString(language + 104));
        QCOMPARE(form->lblMessaggio->text(), message);
        QCOMPARE(form->lblMessaggio->textFormat(), Qt::PlainText);
        QCOMPARE(form->lblMessaggio->font().pointSize(), pointSize);
        QCOMPARE(form->lblMessaggio->font().bold(), bold);
        QCOMPARE(form->lblMessaggio->font().italic(), italic);
        QVERIFY(form->lblMessaggio->isVisible());
    }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<char>("digit");
        QTest::addColumn<QStringList>("texts");
        // optLevel 0-2, Play, Timer, ?, Exit; then the tool tips of the
        // levels, Play, Timer, ?, Exit, colour, 3-D and New game.
        QTest::newRow("Italian") << '0'
                                 << QStringList{"&Facile", "&Medio", "&Difficile", "&Gioca",
                                                "&Timer", "&?", "&Esci",
                                                QString::fromUtf8("Livello di difficoltà"),
                                                "Crea il puzzle",
                                                "Include o esclude la temporizzazione",
                                                "Informazioni", "Chiude il programma",
                                                "Cambia il colore dello sfondo",
                                                "Visualizza o nasconde il bordo tridimensionale",
                                                "Nuovo gioco"};
        QTest::newRow("English") << '1'
                                 << QStringList{"&Easy", "&Medium", "&Difficult", "&Play", "&Timer",
                                                "&?", "E&xit", "Difficulty level", "Create puzzle",
                                                "Timing on\\off", "Informations", "End program",
                                                "Change background colour",
                                                "Visualize / hide tridimensional edge", "New game"};
    }
    void captionsFollowTheLanguage()
    {
        QFETCH(char, digit);
        QFETCH(QStringList, texts);
        GameFixture game;
        frmPuzzle *form = game.startCopy(digit);
        QVERIFY(form);
        const QStringList shown = {
            form->optLevel[0]->text(), form->optLevel[1]->text(), form->optLevel[2]->text(),
            form->cmdStart->text(), form->chkTimer->text(), form->cmdInfo->text(),
            form->cmdEsci->text(), form->optLevel[0]->toolTip(), form->cmdStart->toolTip(),
            form->chkTimer->toolTip(), form->cmdInfo->toolTip(), form->cmdEsci->toolTip(),
            form->cmdColor->toolTip(), form->chk3D->toolTip(), form->cmdBack->toolTip()};
        QCOMPARE(shown, texts);
        // The three levels share one tool tip.
        QCOMPARE(form->optLevel[1]->toolTip(), texts[7]);
        QCOMPARE(form->optLevel[2]->toolTip(), texts[7]);
        // The colour, 3-D and New game buttons keep the captions of the design.
        QCOMPARE(form->chk3D->text(), QStringLiteral("3D"));
        QCOMPARE(form->cmdBack->text(), QStringLiteral("<<"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Quadrifoglio 3D"));
    }

    void pictureFilesArePickedInOrder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("bitmap before JPEG") << QStringList{"Matrix.jpg", "Matrix.bmp"} << "Matrix.bmp";
        QTest::newRow("JPEG before GIF") << QStringList{"Matrix.gif", "Matrix.jpg"} << "Matrix.jpg";
        QTest::newRow("name from Windows") << QStringList{"matrix.JPG"} << "matrix.JPG";
        QTest::newRow("exact name first") << QStringList{"MATRIX.BMP", "Matrix.bmp"} << "Matrix.bmp";
    }
    void pictureFilesArePickedInOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        // Each file has its own colour; the board shows the chosen one's.
        const QColor colors[] = {Qt::red, Qt::blue, Qt::darkGreen};
        GameFixture game;
        QColor expected;
        for (int i = 0; i < files.size(); ++i) {
            QImage solid(120, 90, QImage::Format_RGB32);
            solid.fill(colors[i]);
            game.folder.writePicture(files[i], solid);
            if (files[i] == chosen)
                expected = colors[i];
        }
        QCOMPARE(QFileInfo(NewPuzzle::FindPictureFile(game.folder.appDir() + "/Matrix")).fileName(),
                 chosen);
        frmPuzzle *form = game.start();
        QVERIFY(form);
        // Loosely: JPEG moves colours a little.
        const QColor shown = form->picPuzzle->image().pixelColor(180, 180);
        QVERIFY(qAbs(shown.red() - expected.red()) + qAbs(shown.green() - expected.green())
                    + qAbs(shown.blue() - expected.blue()) < 48);
    }

    void fileExistsOnlyForReadableFiles()
    {
        TestFolder folder;
        QVERIFY(!NewPuzzle::FileExists(folder.appDir()));
        QVERIFY(!NewPuzzle::FileExists(folder.appDir() + "/nothing.jpg"));
        QVERIFY(!NewPuzzle::FileExists(QString()));
        const QString file = folder.write("Matrix.bmp", "x");
        QVERIFY(NewPuzzle::FileExists(file));
        if (getuid() != 0) { // root reads everything
            QFile(file).setPermissions(QFileDevice::WriteOwner);
            QVERIFY(!NewPuzzle::FileExists(file));
        }
        QDir(folder.appDir()).mkdir("Matrix.jpg");
        QCOMPARE(NewPuzzle::FindPictureFile(folder.appDir() + "/Matrix").isEmpty(), getuid() != 0);
    }

    void pictureThatCannotBeHadEndsTheProgramWithoutSaving_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("Impossibile leggere l'immagine memorizzata\r\n");
        QTest::newRow("missing") << "" << QByteArray() << "Impossibile trovare l'immagine memorizzata";
        QTest::newRow("not a picture") << "Matrix.jpg" << QByteArray("this is not a JPEG at all") << unreadable;
        QTest::newRow("empty file") << "Matrix.gif" << QByteArray() << unreadable;
        QTest::newRow("truncated JPEG") << "Matrix.jpg" << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF") << unreadable;
        QTest::newRow("40000 x 40000 bitmap") << "Matrix.bmp" << TestFolder::hugeBitmap() << unreadable;
    }
    void pictureThatCannotBeHadEndsTheProgramWithoutSaving()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        GameFixture game;
        if (!name.isEmpty())
            game.folder.write(name, bytes);
        game.folder.writeScoreFile("[BackColor]\nColor=4\n");
        frmPuzzle *form = game.start();
        QVERIFY(form);
        QVERIFY(!game.lives);
        QVERIFY(form->hasEnded());
        QVERIFY(!form->isVisible());
        QCOMPARE(game.fakes.end.ends, 1);
        QCOMPARE(game.fakes.messages.shown.size(), 1);
        const ShownMessage &m = game.fakes.messages.shown.first();
        QCOMPARE(m.text, name.isEmpty() ? message : message + game.folder.appDir() + "/" + name);
        QCOMPARE(m.style, 16);
        QCOMPARE(m.title, QStringLiteral("Quadrifoglio"));
        // Closing what is left runs no unload: nothing is written.
        form->close();
        QCOMPARE(game.fakes.end.ends, 1);
        QCOMPARE(game.folder.readScoreFile(), QByteArray("[BackColor]\nColor=4\n"));
    }

    void boardIsCentredAfterEveryResize()
    {
        GameFixture game;
        QVERIFY(game.startCopy());
        game.showAtOuterSize(QSize(901, 677));
        // Halves round to even: 541 / 2 to 270, 317 / 2 to 158.
        QCOMPARE(game.form->picPuzzle->pos(), QPoint(270, 158));
        QCOMPARE(game.form->picStart->y(), 158 + 360 + 15);
        QCOMPARE(game.form->picMessaggio->pos(), QPoint(260, 20));
        // The board still shows the picture.
        QCOMPARE(game.form->picSorgente->picture(), game.form->picPuzzle->image());
    }

    void colourChoiceIsReadAndWrittenBack_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no score file") << QByteArray() << QColor(128, 128, 128)
                                       << QByteArray("[BackColor]\nColor=0\n");
        QTest::newRow("spaces and halves") << QByteArray("[backcolor]\ncolor = 3.5 \n")
                                           << QColor(192, 192, 255)
                                           << QByteArray("[backcolor]\nColor=4\n");
        QTest::newRow("records and comments survive")
            << QByteArray("; kept by the game\n[Immagine]\n0=Anna      95\n2=Bob       170\n\n"
                          "[BackColor]\nColor=9\n\n[Other]\nkey=value ; note\n")
            << QColor(192, 64, 0)
            << QByteArray("; kept by the game\n[Immagine]\n0=Anna      95\n2=Bob       170\n\n"
                          "[BackColor]\nColor=9\n\n[Other]\nkey=value ; note\n");
    }
    void colourChoiceIsReadAndWrittenBack()
    {
        QFETCH(QByteArray, before);
        QFETCH(QColor, color);
        QFETCH(QByteArray, after);
        GameFixture game;
        if (!before.isEmpty())
            game.folder.writeScoreFile(before);
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        QCOMPARE(form->ScoreFile, game.folder.scoreFile());
        QCOMPARE(form->BackColor(), color);
        QVERIFY(!game.folder.scoreFileExists() || game.folder.readScoreFile() == before);
        form->close();
        QCOMPARE(game.fakes.end.ends, 1);
        QCOMPARE(game.folder.readScoreFile(), after);
        QVERIFY(!QFile::exists(game.folder.scoreFile().chopped(1) + "~"));
    }

    void noConfigurationFolderMeansNoScoreFile()
    {
        GameFixture game;
        game.fakes.folders.windows.clear();
        frmPuzzle *form = game.startCopy();
        QVERIFY(form);
        QVERIFY(form->ScoreFile.isEmpty());
        QCOMPARE(int(form->ColorIndex), 0);
        form->close();
        QCOMPARE(game.fakes.end.ends, 1);
        QVERIFY(QDir(game.folder.configDir()).isEmpty());
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
