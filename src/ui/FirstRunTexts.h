#pragma once
// The first run's questions and the "Initial configuration" wizard, and
// the help key's own message.
namespace parlevox::firstrun {

inline constexpr const char* kTutorialTitle = "Welcome to Parlevox. But first...";
inline constexpr const char* kTutorialText =
    "Before you start filling out your settings for the program, it'll make things easier if you understand the "
    "basic concepts of IRC chat.\n\nA brief, easy-to-understand introduction will be provided in your Web browser "
    "if you click Yes. The tutorial also covers Parlevox basics, so even if you're already an expert IRC user it "
    "will be of interest.\n\nWould you like to view the tutorial now?";
inline constexpr const char* kUrlErrorTitle = "URL Error";
inline constexpr const char* kUrlErrorText =
    "There was a problem opening the tutorial.\n\nCheck your web browser is set up correctly; you should be able "
    "to type a URL into the Run box (from the Windows Start menu) and have it load.\n\nYou can view the tutorial "
    "any time; see Help within the program.";
inline constexpr const char* kExpertTitle = "Are you an expert?";
inline constexpr const char* kExpertText =
    "Do you consider yourself to be knowledgeable about IRC and IRC software? (If so, Brimvale will turn off some "
    "of its more obvious help dialogs right away; otherwise you can turn them off individually as they appear.)";

inline constexpr const char* kWizardTitle = "Initial configuration";
inline constexpr const char* kWelcomePage =
    "Welcome to Parlevox.\n\nThe next few pages ask for what you need to start chatting: the nickname people will "
    "know you by, and where your nearest servers are. You can change all of it later in the preferences.";
inline constexpr const char* kNicknamePrompt = "Choose your nickname:";
inline constexpr const char* kServersPrompt = "Connect to servers in:";
inline constexpr const char* kAmerica = "America";
inline constexpr const char* kEurope = "Europe";
inline constexpr const char* kOtherNetwork = "Another network:";
inline constexpr const char* kCompleteTitle = "Initial configuration complete";
inline constexpr const char* kCompleteText =
    "That is all Parlevox needs to connect. If you have registered nicknames or channels with the network's "
    "services, you can enter them now.";
inline constexpr const char* kDone = "No, I'm done";
inline constexpr const char* kEnterDetails = "Yes, let me enter the details";
inline constexpr const char* kDetailsText =
    "Your registered nicknames with their passwords, and any channels with a password (key): type each channel "
    "and its password and click Add.";
inline constexpr const char* kAdd = "Add";

inline constexpr const char* kHelpErrorTitle = "Help";
inline constexpr const char* kHelpErrorText =
    "There was a problem opening the help pages.\n\nCheck that a web browser is set up to open files from your "
    "computer.";

}  // namespace parlevox::firstrun
