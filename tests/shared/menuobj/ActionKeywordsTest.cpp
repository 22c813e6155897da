#include "shared/menuobj/ActionKeywords.h"

#include "shared/support/Language.h"
#include "shared/support/LanguageScope.h"

#include "ActionCaptionTestIds.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

using support_testing::LanguageScope;
using testing_values::Texts;

TEST(ActionKeywordsTest, ParseActionKeywordReadsGermanAndEnglishWords)
{
    static const struct { LPCSTR pszText; int nCode; } kCases[] = {
        { "  exit now", ACTION_EXIT },   { "Playavi", ACTION_PLAYAVI }, { "NEUESEITE", ACTION_NEWPAGE },
        { "neue seite", ACTION_NEWPAGE }, { "KEINE", ACTION_NONE },     { "START", ACTION_NONE },
        { "MESSAGE", ACTION_MESSAGE },   { "message box", ACTION_MESSAGE }, { "NEWPAGE", ACTION_NEWPAGE },
        { "none", ACTION_NONE },         { "", ACTION_NONE },           { "\tEXIT", ACTION_NONE },
        { "NEW", ACTION_NONE },          { "Exitus", ACTION_EXIT },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszText);
        EXPECT_EQ(c.nCode, ParseActionKeyword(c.pszText));
    }
}

TEST(ActionKeywordsTest, KeywordsWrittenReadBackAsTheirCodes)
{
    EXPECT_EQ(5, GetActionCount());
    for (int nCode = 0; nCode < GetActionCount(); ++nCode)
    {
        CString strKeyword;
        GetActionKeyword(nCode, strKeyword);
        EXPECT_EQ(nCode, ParseActionKeyword(strKeyword)) << (LPCSTR)strKeyword;
    }
    CString strKeyword;
    GetActionKeyword(7, strKeyword);
    EXPECT_EQ("NONE", strKeyword);
    GetActionKeyword(-1, strKeyword);
    EXPECT_EQ("NONE", strKeyword);
}

TEST(ActionKeywordsTest, CaptionsComeFromTheStringTableOfTheInterfaceLanguage)
{
    static const ActionCaptionIds kIds = { IDS_TEST_ACTION_NONE, IDS_TEST_ACTION_NEWPAGE, IDS_TEST_ACTION_MESSAGE,
                                           IDS_TEST_ACTION_PLAYAVI, IDS_TEST_ACTION_EXIT };
    static const LPCSTR kGerman[] = { "de:Keine", "de:neue Menüseite", "de:Meldung", "de:AVI", "de:Exit" };
    static const LPCSTR kEnglish[] = { "en:None", "en:new page", "en:message", "en:AVI", "en:Exit" };
    CString strCaption;
    {
        LanguageScope german('G');
        for (int nCode = 0; nCode < 5; ++nCode)
        {
            GetActionCaption(nCode, kIds, strCaption);
            EXPECT_EQ(kGerman[nCode], strCaption) << nCode;
        }
        GetActionCaption(-1, kIds, strCaption);
        EXPECT_EQ("de:Keine", strCaption);
    }
    {
        LanguageScope french('F');     // French has no texts of its own
        for (int nCode = 0; nCode < 5; ++nCode)
        {
            GetActionCaption(nCode, kIds, strCaption);
            EXPECT_EQ(kEnglish[nCode], strCaption) << nCode;
        }
        GetActionCaption(9, kIds, strCaption);
        EXPECT_EQ("en:None", strCaption);
    }
}

TEST(ActionKeywordsTest, ParsePopupItemSplitsTheFieldsAndBearsMissingMarkers)
{
    struct Case
    {
        LPCSTR pszItem;
        LPCSTR pszText, pszDocument, pszApplication, pszParameter, pszKeyword;
        int nCode;
    };
    static const Case kCases[] = {
        { "TEXT=Info:DOCUMENT=liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE", "Info", "liesmich.txt", "", "",
          "NONE", ACTION_NONE },
        // Without ":PARAMETER=" the application ends nowhere and reads as empty.
        { "TEXT=A:DOCUMENT=d:APPLICATION=app.exe:FUNCTION=EXIT", "A", "d", "", "old", "EXIT", ACTION_EXIT },
        // Missing start markers leave the caller's texts alone.
        { ":FUNCTION=newpage", "old", "old", "old", "old", "newpage", ACTION_NEWPAGE },
        { "", "old", "old", "old", "old", "old", ACTION_NONE },
        { "TEXT=:DOCUMENT=x.txt:APPLICATION=:PARAMETER=-p:FUNCTION=", "", "x.txt", "", "-p", "", ACTION_NONE },
    };
    for (const Case& c : kCases)
    {
        SCOPED_TRACE(c.pszItem);
        CString strText("old"), strDocument("old"), strApplication("old"), strParameter("old"), strKeyword("old");
        int nCode = -1;
        ParsePopupItem(c.pszItem, strText, strDocument, strApplication, strParameter, strKeyword, nCode);
        EXPECT_EQ(Texts({ c.pszText, c.pszDocument, c.pszApplication, c.pszParameter, c.pszKeyword }),
                  Texts({ strText, strDocument, strApplication, strParameter, strKeyword }));
        EXPECT_EQ(c.nCode, nCode);
    }
}

TEST(ActionKeywordsTest, ComposedItemsParseBackToTheirFields)
{
    static const struct { LPCSTR pszText, pszDocument, pszApplication, pszParameter; int nCode; } kCases[] = {
        { "Info", "_CURRENTDIR_\\liesmich.txt", "", "", ACTION_NONE },
        { "Seite 2", "_CURRENTDIR_\\seite2.ini", "", "", ACTION_NEWPAGE },
        { "Grüße", "Hallo Welt", "", "", ACTION_MESSAGE },
        { "Film", "c:\\video\\film.avi", "", "", ACTION_PLAYAVI },
        { "Ende", "", "", "", ACTION_EXIT },
        { "Start", "", "c:\\programme\\setup.exe", "/s /v", ACTION_NONE },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszText);
        CString strItem;
        ComposePopupItem(strItem, c.pszText, c.pszDocument, c.pszApplication, c.pszParameter, c.nCode);
        CString strText, strDocument, strApplication, strParameter, strKeyword;
        int nCode = -1;
        ParsePopupItem(strItem, strText, strDocument, strApplication, strParameter, strKeyword, nCode);
        EXPECT_EQ(Texts({ c.pszText, c.pszDocument, c.pszApplication, c.pszParameter }),
                  Texts({ strText, strDocument, strApplication, strParameter }));
        EXPECT_EQ(c.nCode, nCode);
    }
    CString strItem;
    ComposePopupItem(strItem, "Info", "a.txt", "b.exe", "-c", 7);
    EXPECT_EQ("TEXT=Info:DOCUMENT=a.txt:APPLICATION=b.exe:PARAMETER=-c:FUNCTION=NONE", strItem);
}

TEST(ActionKeywordsTest, PopupItemCaptionNeedsTheLeadingTextMarker)
{
    EXPECT_EQ(Texts({ "Info", "", "", "" }),
              Texts({ GetPopupItemCaption("TEXT=Info:DOCUMENT=a.txt:FUNCTION=NONE"),
                      GetPopupItemCaption("TEXT=:DOCUMENT=a.txt"), GetPopupItemCaption(" TEXT=Info:DOCUMENT=a.txt"),
                      GetPopupItemCaption("TEXT=Info") }));
}
