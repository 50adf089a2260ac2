// Fails unless every message, question and prompt of the game was shown by some test.
// `everymessage LOG` reads the texts the scripted dialogs logged; "{}" stands for a name
// or a number.
#include <fstream>
#include <iostream>
#include <regex>
#include <string>
#include <vector>

namespace {

const char* const texts[] = {
    // Starting, quitting and the applicants
    "Please enter the name of the Band:", "Invalid Band Name.", "Just get on and play will you!!",
    "A saved game can only hold Western European letters, digits and punctuation in a band "
    "name. Please choose a name made of those.",
    "That band name is too long for a saved game. Please use at most 126 characters.",
    "Are you sure you want to quit?", "No more applicants this week.",
    // Members
    "Please select a band member", "{} is unhappy. {}", "{} is content. {}",
    "{} is quite happy. {}", "{} is very happy. {}",
    "{} gets on really well with other members of the band.",
    "{} gets on pretty well with other band members. ", "{} is tolerated by the band. ",
    "{} is hated by the rest of the band. ", "Are you sure you want to sack {}?",
    "{} has decided to leave the band! The rest of the band is in a state of shock.",
    "{} is unhappy.",
    // Practice, lessons and songs
    "Do you want the band to practise?", "The band is tired, make them practise anyway?",
    "Thanks to practising, {} has become more talented!",
    "It will cost £75 to give {} a {} lesson. Go ahead?",
    "You don't have enough money for this lesson!",
    "Thanks to the lesson, {} has become more talented!", "You have reached the limit of 20 songs!",
    "The band is currently working on a song.", "You need a full band to write a song!",
    "The band wants a rest before starting on a new song. Make them record anyway?",
    "The band has started writing a new song.", "The band has finished writing a new track!",
    // The week
    "You don't have enough money to pay the band and expenses! Therefore the band has quit to "
    "find a new manager.",
    "You cannot afford any promotion this week", "{} was arrested for drink driving this week.",
    "{} has been heard critiscising another member of the band!",
    "{} got into a fight with a member of the press last night.",
    "{} refused to turn up for a band practise the other night.",
    "{} has been spreading viscious rumours about the band.",
    "{} has fallen ill and will be out for about {} weeks.",
    "A newspaper columnist wrote a very good piece about the band!",
    "A recent newspaper article questioned the talent of the band!",
    "A few members of the band were invited to do a charity event this week.",
    "You have been invited for a Radio interview!",
    "You have been invited onto a cable T.V music show!",
    // Gigs
    "{} is ill and cannot perform, they are expected to be fit in {} weeks.",
    "You must have a full band before performing!", "You have been allowed to play a gig!",
    "Your request has been rejected.", "No more tracks can be added",
    "This track is already on the list!", "You must have a full list of songs!",
    "{} was extremely unhappy with the bands performance.",
    // Demo tapes
    "You have already sent a Demo Tape.", "Please select a track from the song list.",
    "You have sent a demo to the record company", "The record label rejected the demo tape",
    "The record label thought the song was ok but not what they are looking for.",
    "The record label liked your song but felt it didn't meet their needs.",
    "The record label liked the song a lot, they would like to hear some more of your tracks.",
    "The record label loved the track, but think the band as a whole still needs to develop.",
    // Interviews and holidays
    "The bands radio interview was pretty poor.", "The radio interview was o.k",
    "The radio interview was fantastic!",
    "The bands appearance on a cable music show was quite poor.",
    "The band interview on a cable T.V show went o.k",
    "The bands appearance on a cable T.V show was fantastic!",
    "You haven't got a full band to send on holiday.",
    "You can't afford to organise a band holiday, you need £300",
    "Go ahead and book a 2 week holiday?",
    // Saved games
    "Please type a name for the saved game.",
    "The game could not be saved as {}: {}. Please choose another folder or name.", "Game Saved",
    "This file is not valid or does not exist.", "Game Loaded"};

// The text as a pattern: literal throughout, with "{}" for any run of characters.
std::regex pattern(const std::string& text) {
    static const std::regex special(R"([.^$|()\[\]*+?\\])");
    std::string escaped = std::regex_replace(text, special, R"(\$&)");
    for (std::size_t at; (at = escaped.find("{}")) != std::string::npos;)
        escaped.replace(at, 2, ".*");
    return std::regex(escaped);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> shown;
    std::ifstream log(argc > 1 ? argv[1] : "");
    for (std::string line; std::getline(log, line);)
        shown.push_back(line);
    int missing = 0;
    for (const char* text : texts) {
        const std::regex wanted = pattern(text);
        bool seen = false;
        for (const auto& line : shown)
            if ((seen = std::regex_match(line, wanted))) break;
        if (!seen) std::cout << "never shown by a test: \"" << text << "\"\n", ++missing;
    }
    std::cout << std::size(texts) - static_cast<std::size_t>(missing) << " of " << std::size(texts)
              << " messages, questions and prompts were shown by the tests\n";
    return missing == 0 ? 0 : 1;
}
