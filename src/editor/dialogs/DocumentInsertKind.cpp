#include "editor/dialogs/DocumentInsertKind.h"

#include "editor/WizardIds.h"

const char g_szViewerSection[] = "VIEWER";

// The readers' makers' pages are not known here: reserved example addresses.

const DOCUMENT_INSERT_KIND g_pdfInsertKind = {
    IDD_PDF_VIEWER,
    IDD_PDF_INSERT,
    ".pdf",
    "Pdf Files (*.pdf)|*.pdf|(*.*)|*.*||",
    "PDFFOLDER",
    "PdfFiles",
    "PDF",
    "PdfSetup",
    "\\Pagolin",
    "pagolin.exe",
    "pagolin.ini",
    { "http://www.pdfreader.example/de/lizenz.htm", "http://www.pdfreader.example/en/licence.htm" },
    { "http://www.pdfreader.example/de/download.htm", "http://www.pdfreader.example/en/download.htm" },
};

const DOCUMENT_INSERT_KIND g_slideShowInsertKind = {
    IDD_PPS_VIEWER,
    IDD_PPS_INSERT,
    ".pps;.ppt",
    "PowerPoint Files (*.pps)|*.pps|(*.*)|*.*||",
    "PPSFOLDER",
    "PpsFiles",
    "PPS",
    "PpsSetup",
    "\\Slidora",
    "slidora.exe",
    "slidora.ini",
    { "http://www.slideviewer.example/de/info.htm", "http://www.slideviewer.example/en/info.htm" },
    { "http://www.slideviewer.example/de/download.htm", "http://www.slideviewer.example/en/download.htm" },
};
