#include "editor/dialogs/DocumentInsertKind.h"

#include "editor/WizardIds.h"

const char g_szViewerSection[] = "VIEWER";

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
    { "http://www.morvadeth.de/pdfreader/lizenz.htm", "http://www.morvadeth.com/pdfreader/licence.htm" },
    { "http://www.morvadeth.de/pdfreader/download.htm", "http://www.morvadeth.com/pdfreader/download.htm" },
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
    { "http://www.morvadeth.de/slideviewer/info.htm", "http://www.morvadeth.com/slideviewer/info.htm" },
    { "http://www.morvadeth.de/slideviewer/download.htm", "http://www.morvadeth.com/slideviewer/download.htm" },
};
