#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Printer;
class QPagedPaintDevice;
class QPainter;
class QWidget;

// Where no printer is installed the print dialog can only write a PDF file. Each printout then
// gets a file of its own, named after what it is, whose it is and when it was made, so that one
// pupil's certificate never replaces another's; and the user is told where the file went.

// "Certificate - Ann - 2026-12-08.pdf". Characters a file name cannot carry on some system
// ("/", "\", ":" and the like) become "_"; without a pupil the name is "Certificate - 2026-12-08.pdf".
QString pdfFileName(const QString& document, const QString& pupil, QDate date);

// The user's documents folder, or the home folder where there is none.
QString pdfFolder();

// Where no printer is installed, proposes today's file for the document: in the folder of the
// file the printer wrote last, or else in the documents folder.
void proposePdfFile(const Printer& printer, const QString& document, const QString& pupil);

// After a printout: where it was written to a PDF file, tells the user which, naming the
// document ("The certificate").
void tellWherePdfWent(QWidget* parent, const Printer& printer, const QString& document);

// Prints a document on landscape pages: asks for the printer as the print dialog does (a PDF
// file of the document's own where no printer is installed), lets draw paint the pages, then
// reports a failure or tells where a PDF went. draw returns false when it could not begin a page.
// "The fluency report" is document's spoken form in the messages.
void printLandscape(QWidget* parent, const QString& document, const QString& owner, const QString& spokenDocument,
    const std::function<bool(QPainter&, QPagedPaintDevice&)>& draw);
