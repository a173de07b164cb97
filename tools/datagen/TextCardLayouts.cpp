// What the text cards say and where: credits, two greeting lists (to groups made up
// for this show), five beat words and the closing line. Positions are 640 x 480.
#include <cstdlib>
#include <iostream>

#include "generator/Fonts.h"
#include "tools/datagen/TextCards.h"

namespace {

const Rgb WHITE{1.0f, 1.0f, 1.0f};
const Rgb GOLD{1.0f, 0.8f, 0.4f};
const Rgb CYAN{0.45f, 0.85f, 1.0f};

CardLine heading(const std::string& text, int baseline) {
    return {text, {fonts::SANS_BOLD, 44, 4.0f}, GOLD, SCREEN_WIDTH / 2.0f, baseline, Align::Centre, 0, true};
}

// Credit lines: the role right-aligned left of centre, the name left-aligned right of it.
void addCredit(TextCard& card, const std::string& role, const std::string& name, int baseline, int piece) {
    card.lines.push_back({role, {fonts::MONO, 26, 1.0f}, CYAN, 250, baseline, Align::Right, piece});
    card.lines.push_back({name, {fonts::SANS_BOLD, 34, 1.0f}, WHITE, 274, baseline, Align::Left, piece});
}

TextCard credits() {
    TextCard card{"tekstit1.jpg", 8, {0.2f, 0.55f, 1.0f}, {heading("credits", 104)}};
    addCredit(card, "code", "quorvindale", 196, 1);
    addCredit(card, "music", "quorvindale", 256, 2);
    addCredit(card, "graphics", "quorvindale", 316, 3);
    addCredit(card, "type", "dejavu sans", 376, 4);
    return card;
}

TextCard greetings(const std::string& fileName, int piecesIndex, const std::string& title,
                   const std::vector<std::string>& names, Rgb glow) {
    TextCard card{fileName, piecesIndex, glow, {heading(title, 86)}};
    int baseline = names.size() > 5 ? 156 : 166;
    const int spacing = names.size() > 5 ? 52 : 56;
    for (size_t i = 0; i < names.size(); ++i) {
        card.lines.push_back({names[i],
                              {fonts::SANS_BOLD, 32, 1.5f},
                              WHITE,
                              SCREEN_WIDTH / 2.0f,
                              baseline,
                              Align::Centre,
                              static_cast<int>(i) + 1});
        baseline += spacing;
    }
    return card;
}

TextCard beatWord(const std::string& fileName, const std::string& word, const std::string& font, Rgb colour,
                  Rgb glow) {
    return {fileName, -1, glow, {{word, {font, 150, 4.0f}, colour, SCREEN_WIDTH / 2.0f, 292}}};
}

TextCard closing() {
    TextCard card{"pastaa6.jpg", 17, {0.7f, 0.3f, 1.0f}, {}};
    const TextStyle big{fonts::SANS_BOLD, 76, 2.0f};
    const char* const words[] = {"thanks", "for", "watching"};
    for (int i = 0; i < 3; ++i) {
        card.lines.push_back({words[i], big, WHITE, SCREEN_WIDTH / 2.0f, 150 + 90 * i, Align::Centre, i});
    }
    card.lines.push_back({"flashstep by quorvindale",
                          {fonts::MONO, 22, 3.0f},
                          CYAN,
                          SCREEN_WIDTH / 2.0f,
                          410,
                          Align::Centre,
                          3});
    return card;
}

std::vector<TextCard> allCards() {
    return {
        credits(),
        greetings("tekstit2.jpg", 9, "greetings to",
                  {"ferrocene", "the quiet voxels", "marimba static", "glasshouse eight", "lowtide arcade",
                   "northern raster"},
                  {0.1f, 0.8f, 0.9f}),
        greetings(
            "tekstit3.jpg", 11, "and also",
            {"cobalt lantern", "the sine bureau", "paper satellites", "velvet opcode", "and you, watching"},
            {1.0f, 0.35f, 0.6f}),
        beatWord("pastaa1.jpg", "flash", fonts::SANS_BOLD, {0.9f, 0.97f, 1.0f}, {0.1f, 0.6f, 1.0f}),
        beatWord("pastaa2.jpg", "step", fonts::SERIF_BOLD, {1.0f, 0.85f, 0.6f}, {1.0f, 0.4f, 0.05f}),
        beatWord("pastaa3.jpg", "glow", fonts::SANS_BOLD, {1.0f, 0.85f, 0.95f}, {1.0f, 0.2f, 0.7f}),
        beatWord("pastaa4.jpg", "spin", fonts::MONO_BOLD, {0.85f, 1.0f, 0.85f}, {0.2f, 1.0f, 0.4f}),
        beatWord("pastaa5.jpg", "now", fonts::SANS_BOLD, {1.0f, 1.0f, 0.8f}, {1.0f, 0.85f, 0.1f}),
        closing(),
    };
}

}  // namespace

const std::vector<TextCard>& textCards() {
    static const std::vector<TextCard> cards = allCards();
    return cards;
}

const TextCard& textCard(const std::string& fileName) {
    for (const TextCard& card : textCards()) {
        if (card.fileName == fileName) return card;
    }
    std::cerr << "flashstep-datagen: no text card named " << fileName << "\n";
    std::abort();
}

int pieceCount(const TextCard& card) {
    int highest = -1;
    for (const CardLine& line : card.lines) highest = line.piece > highest ? line.piece : highest;
    return highest + 1;
}
