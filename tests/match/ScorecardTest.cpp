// The HTML scorecard: a finished match's page passes a strict checker, and
// names and texts are escaped.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "MatchInvariantsWorld.h"
#include "match/Scorecard.h"

namespace ravel {
namespace {

// A small strict HTML checker: a doctype, one html root with head, title and
// body, properly nested and closed tags, quoted attributes, and text free of
// raw '<', '>' and stray '&'.

struct HtmlReport {
    bool ok = true;
    std::string error;
    std::set<std::string> elements;
};

HtmlReport CheckHtml(const std::string& page) {
    static const std::set<std::string> VOID_TAGS = {"meta", "br", "hr", "img", "link", "col"};
    HtmlReport r;
    auto fail = [&r](const std::string& why) {
        if (r.ok) r.error = why;
        r.ok = false;
    };
    size_t i = 0;
    while (i < page.size() && std::isspace(static_cast<unsigned char>(page[i]))) ++i;
    const std::string DOCTYPE = "<!DOCTYPE html>";
    if (page.compare(i, DOCTYPE.size(), DOCTYPE) != 0) fail("no doctype");
    i += DOCTYPE.size();

    std::vector<std::string> open;
    while (i < page.size() && r.ok) {
        char c = page[i];
        if (c == '&') {
            size_t semi = page.find(';', i);
            std::string entity = semi == std::string::npos ? "" : page.substr(i, semi - i + 1);
            static const std::set<std::string> KNOWN = {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;", "&nbsp;"};
            if (!KNOWN.count(entity)) fail("stray ampersand at " + std::to_string(i));
            i = semi == std::string::npos ? page.size() : semi + 1;
            continue;
        }
        if (c == '>') {
            fail("raw '>' in text at " + std::to_string(i));
            break;
        }
        if (c != '<') {
            ++i;
            continue;
        }
        if (page.compare(i, 4, "<!--") == 0) {
            size_t end = page.find("-->", i);
            if (end == std::string::npos) fail("open comment");
            i = end + 3;
            continue;
        }
        size_t close = page.find('>', i);
        if (close == std::string::npos) {
            fail("open tag at end");
            break;
        }
        std::string tag = page.substr(i + 1, close - i - 1);
        if (tag.find('<') != std::string::npos) {
            fail("'<' inside a tag at " + std::to_string(i));
            break;
        }
        i = close + 1;
        bool closing = !tag.empty() && tag[0] == '/';
        if (closing) tag.erase(0, 1);
        size_t nameEnd = 0;
        while (nameEnd < tag.size() && std::isalnum(static_cast<unsigned char>(tag[nameEnd]))) ++nameEnd;
        std::string name = tag.substr(0, nameEnd);
        for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (name.empty()) {
            fail("empty tag name");
            break;
        }
        if (closing) {
            if (open.empty() || open.back() != name) {
                fail("</" + name + "> closes " +
                     (open.empty() ? std::string("nothing") : "<" + open.back() + ">"));
                break;
            }
            open.pop_back();
            continue;
        }
        // Attributes: name="value" pairs, values free of '"'.
        std::string rest = tag.substr(nameEnd);
        size_t k = 0;
        while (k < rest.size()) {
            if (std::isspace(static_cast<unsigned char>(rest[k])) || rest[k] == '/') {
                ++k;
                continue;
            }
            size_t eq = rest.find('=', k);
            if (eq == std::string::npos || rest[eq + 1] != '"') {
                fail("unquoted attribute in <" + name + ">");
                break;
            }
            size_t endq = rest.find('"', eq + 2);
            if (endq == std::string::npos) {
                fail("open attribute in <" + name + ">");
                break;
            }
            k = endq + 1;
        }
        r.elements.insert(name);
        if (open.empty() && name != "html") fail("<" + name + "> outside <html>");
        if (!VOID_TAGS.count(name)) open.push_back(name);
    }
    if (r.ok && !open.empty()) fail("<" + open.back() + "> never closed");
    for (const char* needed : {"html", "head", "title", "body"}) {
        if (!r.elements.count(needed)) fail(std::string("no <") + needed + ">");
    }
    return r;
}

class ScorecardTest : public MatchWorldFixture {};

TEST_F(ScorecardTest, FinishedMatchesGiveValidPages) {
    for (int competition : {COMPETITION_ONE_DAY, COMPETITION_FOUR_DAY}) {
        SeedRand(4);
        auto m = PlayMatch(competition);
        std::string page = ScorecardHtml(*m);
        HtmlReport report = CheckHtml(page);
        EXPECT_TRUE(report.ok) << report.error;
        for (const char* element : {"table", "h1", "h2", "tr", "th", "td"}) {
            EXPECT_TRUE(report.elements.count(element)) << element;
        }
        // Every batsman who batted and every bowler who bowled has his line.
        for (const Innings& in : m->m_innings) {
            if (!in.mb_started) continue;
            for (const BatsmanFigures& f : in.m_batsmen) {
                const Player* p = PlayerById(f.mi_player);
                EXPECT_NE(page.find(p->m_surname), std::string::npos) << p->m_surname;
            }
            char total[64];
            std::snprintf(total, sizeof total, "<td>Total</td>");
            EXPECT_NE(page.find(total), std::string::npos);
        }
        EXPECT_NE(page.find(HtmlEscape(m->ResultText().c_str())), std::string::npos);
    }
}

TEST_F(ScorecardTest, NamesAreEscaped) {
    std::snprintf(g_world.mv_players[1].m_surname, sizeof g_world.mv_players[1].m_surname,
                  "O'Brien <&> \"Jr\"");
    SeedRand(9);
    auto m = PlayMatch(COMPETITION_ONE_DAY);
    std::string page = ScorecardHtml(*m);
    HtmlReport report = CheckHtml(page);
    EXPECT_TRUE(report.ok) << report.error;
    EXPECT_NE(page.find("O&#39;Brien &lt;&amp;&gt; &quot;Jr&quot;"), std::string::npos);
    EXPECT_EQ(page.find("<&>"), std::string::npos);
}

TEST_F(ScorecardTest, WritesTheFileAndReportsFailure) {
    SeedRand(2);
    auto m = PlayMatch(COMPETITION_ONE_DAY);
    std::string path = ::testing::TempDir() + "scorecard.html";
    ASSERT_TRUE(WriteScorecardHtml(*m, 0, path.c_str()));
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), ScorecardHtml(*m));
    EXPECT_FALSE(WriteScorecardHtml(*m, 0, "/nonexistent-folder/x/scorecard.html"));
    EXPECT_FALSE(WriteScorecardHtml(*m, 0, ""));
}

TEST(HtmlCheckTest, CatchesBrokenPages) {
    const char* head = "<!DOCTYPE html><html><head><title>t</title></head><body>";
    EXPECT_TRUE(CheckHtml(std::string(head) + "<p>a &amp; b</p></body></html>").ok);
    EXPECT_FALSE(CheckHtml(std::string(head) + "<p>a & b</p></body></html>").ok);
    EXPECT_FALSE(CheckHtml(std::string(head) + "<p><b>x</p></b></body></html>").ok);
    EXPECT_FALSE(CheckHtml(std::string(head) + "<p>x</body></html>").ok);
    EXPECT_FALSE(CheckHtml(std::string(head) + "<td class=x>1</td></body></html>").ok);
    EXPECT_FALSE(CheckHtml("<html><head><title>t</title></head><body></body></html>").ok);
}

}  // namespace
}  // namespace ravel
