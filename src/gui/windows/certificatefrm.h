#pragma once

#include "core/bytes.h"
#include "core/reports/certificateart.h"
#include "core/reports/certificatetext.h"
#include "core/result.h"
#include "gui/wording/phrases.h"

#include <QDialog>
#include <memory>
#include <optional>

class ImageControl;
class Printer;
class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class TWhoami;

// The certificate window: the background sheet with the certificate's eight lines drawn into
// it, shown modally by the main window's "Print Certificate". The lines live in invisible
// labels that only carry a text, a font and a place; each showing draws them afresh onto a copy
// of the background, and "Print" (Ctrl+P) prints that picture. "Exit" or Escape closes it.
class TCertificatefrm : public QDialog {
    Q_OBJECT
public:
    // The artwork is the embedded sheet; another buffer can be given to see how a damaged one
    // is handled.
    explicit TCertificatefrm(QWidget* parent = nullptr, quorvex::BytesView artwork = quorvex::certificateArtJpeg());
    ~TCertificatefrm() override;

    struct Controls {
        QMenuBar* MainMenu1 = nullptr;
        QAction* Print1 = nullptr;
        QAction* Printedby1 = nullptr;
        QAction* Exit1 = nullptr;
        QScrollArea* certscroll = nullptr; // scrolls the sheet on a screen too small for it
        QWidget* client = nullptr;
        ImageControl* certimjpeg = nullptr;
        ImageControl* certim = nullptr;
        QLabel* l1lb = nullptr;
        QLabel* namelb = nullptr;
        QLabel* l3lb = nullptr;
        QLabel* numlb = nullptr;
        QLabel* typelb = nullptr;
        QLabel* involvelb = nullptr;
        QLabel* tablelb = nullptr;
        QLabel* weblb = nullptr;
    };
    const Controls& controls() const { return ui; }

    // Writes the five lines that change from one certificate to the next, in the program's language.
    void setComposedWords(const CertificateWords& words);

    // The main window's zoom: the sheet is shown at zoom times its size (printouts are not).
    void setZoom(double zoom) { m_zoom = zoom; }

    // The name dialog whose name goes on printouts; without one, printouts carry no name line.
    void setNameDialog(TWhoami* whoami);

public Q_SLOTS:
    void Print1Click();
    void Printedby1Click();
    void Exit1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void buildControls();
    void fitToScreen();
    void sizeLabels();
    const Printer* printer();

    Controls ui;
    std::unique_ptr<Printer> Printer1; // made at the first "Print", kept so the user's choices stay
    TWhoami* Whoami = nullptr;
    std::optional<quorvex::FileError> artworkError; // reported at the first showing
    bool labelsSized = false; // the labels' sizes wait for their faces, until first worded
    double m_zoom = 1;
};

// Sets a label's text and, for a label that sizes itself to its text, its width to the text's
// width in the label's font, as the certificate's composed lines are centred on it.
void setSizedText(QLabel* label, const QString& text);

// The pixel width of a text in a label's font.
int textWidth(const QLabel* label, const QString& text);
