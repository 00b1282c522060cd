#include "core/enemy/enemy_catalogues.h"

// The texts are the program's own, kept character for character, misspellings included.
const char* const MusicNames[kMusicCount] = {
    "None", "Gas station", "Naming screen", "Setup screen",
    "None", "You win 1", "Level up", "You lose",
    "Battle swirl 1", "Battle swirl 2", "Ness' house", "Battle swirl 3",
    "You win!", "Teleport out", "Teleport fail", "Falling underground",
    "Dr. Andonuts' lab", "Monotoli building", "Sloppy house", "Neighbor's house",
    "Arcade", "Pokey's house", "Hospital", "Ness' house",
    "Paula's theme", "Chaos Theater", "Hotel", "Good morning",
    "Department Store", "Onett at night 1", "Your Sanctuary 1", "Your Sanctuary 2",
    "Giant Step", "Lilliput Steps", "Milky Well", "Rainy Circle",
    "Magnet Hill", "Pink Cloud", "Lumine Hall", "Fire Spring",
    "near a boss", "Alien Investigation", "Fire Springs hall", "Belch's Base",
    "Zombie Threed", "Spooky Cave", "Onett", "Fourside",
    "Saturn Valley", "Monkey Caves", "Moonside", "Dusty Dunes Desert",
    "Peaceful Rest Valley", "Zombie Threed", "Winters", "Cave near a boss",
    "Summers", "Jackie's Cafe", "Sailing to Scaraba", "Dalaam",
    "Mu Training", "Bazaar", "Scaraba desert", "Pyramid",
    "Deep Darkness", "Tenda Village", "Welcome home", "Magicant 2",
    "Lost Underworld", "First step back", "Second step back", "The Place",
    "Giygas Awakens", "Giygas phase 2", "Giygas is weakened", "Giygas death",
    "Runaway 5 concert 1", "Runaway 5 tour bus", "Runaway 5 concert 2", "Power",
    "Venus' concert", "Yellow submarine", "Bicycle", "Sky Runner",
    "Sky Runner falling", "Bulldozer", "Tessie", "City bus",
    "Fuzzy Pickles", "Delivery", "Return to your body", "Robotomy part 2",
    "Coffee break", "Overworld end theme", "EarthBound Cast", "Credits",
    "vs. Cranky Lady", "vs. Spinning Robo", "vs. S. Evil Mushroom", "vs. Master Belch",
    "vs. N. A. Retro Hippie", "vs. Runaway Dog", "vs. Cave Boy", "vs. Your Sanctuary Boss",
    "vs. Kraken", "Giygas heavy metal", "Inside the Dungeon", "Megaton Walk",
    "Sea of Eden", "Stonehenge destructs", "Sky Runner crash", "Magic Cake",
    "Pokey's House 2", "Buzz Buzz swatted", "Onett at night 2", "Phone call",
    "Knock knock - right", "Pink Cloud", "Onett at night 3", "Apple of Enlightenment",
    "Hotel Darkmoon", "Onett Intro", "Sunrise, Onett", "Someone joins",
    "Enter Starman Jr.", "Boarding school", "Phase Distorter", "Phase Distorter II",
    "Boy Meets Girl", "Happy Threed", "Runaway 5 are freed", "Flying Man",
    "Onett at night 2", "Hidden Song", "Your Sanctuary boss", "Teleport in",
    "Saturn Valley cave", "Elevator down", "Elevator up", "Elevator stopping",
    "Topolla Theater", "vs. Master Barf", "going to Magicant", "leaving Magicant",
    "defeated the Kraken", "Stonehenge destructs", "Tessie sighting", "Meteor fall",
    "vs. Starman Jr.", "Runaway 5 help out", "Knock knock - left", "Onett after meteor 1",
    "Onett after meteor 2", "Pokey's theme", "Onett at night 4", "Your Sanctuary boss",
    "Meteor strike", "Attract mode", "Are you sure?  Yep", "Peaceful Rest Valley 2",
    "rec. Giant Step", "rec. Lilliput Steps", "rec. Milky well", "rec. Rainy Circle",
    "rec. Magnet Hill", "rec. Pink Cloud", "rec. Lumine Hall", "rec. Fire Spring",
    "Sound Stone", "Eight Melodies", "Dalaam Intro", "Winters intro",
    "Pokey escapes", "Good Morning 2", "Gas Station 2", "Title screen",
    "Battle swirl", "Pokey escapes", "Good morning 3", "Robotomy part 1",
    "Pokey escapes", "Return to your body", "Giygas static", "sudden victory",
    "You win vs. boss", "Giygas phase three", "Giygas phase one", "Give us strength",
    "Good morning 4", "Sound Stone", "Giygas death", "Giygas weakened",
};

const char* const ActionNames[kActionCount] = {
    "No effect", "No effect", "No effect", "Try",
    "Attack", "Attack", "Spy", "Pray",
    "Guard", "*Unknown", "PSI Special 1", "PSI Special 2",
    "PSI Special 3", "PSI Special 4", "PSI Fire 1", "PSI Fire 2",
    "PSI Fire 3", "PSI Fire 4", "PSI Freeze 1", "PSI Freeze 2",
    "PSI Freeze 3", "PSI Freeze 4", "PSI Thunder 1", "PSI Thunder 2",
    "PSI Thunder 3", "PSI Thunder 4", "PSI Flash 1", "PSI Flash 2",
    "PSI Flash 3", "PSI Flash 4", "PSI Starstorm 1", "PSI Starstorm 2",
    "PSI Lifeup 1", "PSI Lifeup 2", "PSI Lifeup 3", "PSI Lifeup 4",
    "PSI Healing 1", "PSI Healing 2", "PSI Healing 3", "PSI Healing 4",
    "Shield 1", "Shield 2", "Shield 3", "Shield 4",
    "PSI Shield 1", "PSI Shield 2", "PSI Shield 3", "PSI Shield 4",
    "PSI Offense up 1", "PSI Offense up 2", "PSI Defense down 1", "PSI Defense down 2",
    "PSI Hypnosis 1", "PSI Hypnosis 2", "PSI Magnet 1", "PSI Magnet 2",
    "PSI Paralysis 1", "PSI Paralysis 2", "PSI Brainshock 1", "PSI Brainshock 2",
    "PSI Teleport 1", "PSI Teleport 2", "Call for help", "Sow seeds",
    "Explode", "Burst into flames", "Steal an item", "Freeze time",
    "Glare with eerie eyes", "Generate an electric field", "Stumble and fire a beam", "Burp and blow breath",
    "Sting with a poison stinger", "Give the kiss of death", "Exhale arctic-cold breath", "Scatter spores",
    "Possess with a mini-ghost", "Sprinkle powder", "Scatter mold spores", "Employ a binding attack",
    "Spit a sticky mucus", "Spew Fly Honey", "Shoot spider silk", "Say something scary",
    "Do something mysterious", "Disrupt senses", "Size up the situation", "Exhale stinky breath",
    "Summon a storm", "Spill hot espresso", "Play a haunting melody", "Extinguising blast",
    "Use Crashing Bang Boom", "Shoot a spray of fire", "Breath fire", "Make something spin around",
    "Lose temper", "Say something nasty", "Use a vacuum attack", "Replenish fuel supply",
    "Bite using poison fangs", "Fire a missile, get dizzy", "Start a continous attack", "Be on guard",
    "Spew a flaming fireball", "Rush in and intertwine", "Attack with crushing chop", "Use a submission hold",
    "Rev and accelerate", "Brandish a knife", "Tear into", "Use a biting attack",
    "Claw with sharp nails", "Swing tail very hard", "Growl and lunge forward", "Wield a shopping bag",
    "Swing a club", "Generate a tornado", "Generate a blast of water", "Flash a menacing smile",
    "Laugh hysterically", "Edge closer", "Mutter, \"1\"", "Murmur, \"2\"",
    "Whisper,\"3\"", "Fall down", "Be absentminded", "Generate steam",
    "Be wobbly", "Be reeling", "Have a big grin", "Take deep breaths",
    "Send a greeting", "Make a piercing howl", "Say \"tick-tock\"", "*Unknown",
    "Restores HP", "Restores HP", "Restores HP", "Restores HP",
    "Hand-Aid", "Eat", "Recover PP", "Recover PP",
    "Restore HP", "Defense up 1", "Restore HP", "Restore HP",
    "*Unknown", "Wet Towel", "Refreshing herb", "Secret herb",
    "Cup of Lifenoodles", "used the", "IQ up 1", "Guts up 1",
    "Speed up 1", "Vitality up 1", "Luck up 1", "Counter-PSI unit",
    "Shield Killer", "HP-Sucker", "Mummy Wrap", "Bottle Rocket",
    "Big Bottle Rocket", "Multi Bottle Rocket", "Handbag strap", "Bomb",
    "Super Bomb", "Slime Generator", "Yogurt Dispenser", "Snake bag",
    "Pair of Dirty socks", "Stag Beetle", "Toothbrush", "Pharaoh's Curse",
    "Hungry HP-Sucker", "Bag of Dragonite", "Insecticide Spray", "Xterminator Spray",
    "Rust promoter", "Rust Promoter DX", "Sudden guts pill", "Defense spray",
    "Defense Shower", "Teleport Box", "Ruler", "Protractor",
    "Pak of Bubble Gum", "Fly Honey", "Piggy nose", "For sale sign",
    "Shyness book", "Picture postcard", "Secret message", "Chick",
    "Chicken", "ATM card", "Zombie paper", "Hawk eye",
    "Bicycle", "Emit glorious light", "Use electrical shock", "Scatter pollen around",
    "Reach out with its hand", "Play flute and poison", "Spew exhaust fumes", "Laugh maniacally",
    "Breath in through flute", "Leap and spread wings", "Become friendly", "Make a loud rumble",
    "Give a great big hug", "Hacking cough", "Use a misery attack", "Utilize paint attack",
    "Come out swinging", "Scratch with claws", "Peck at eyes", "Ram and trample",
    "Throw a punch", "Spit pumpkin seeds", "Fire a beam", "Jab with a spear",
    "Stomp with a huge foot", "Swing a hula hoop", "Charge forward", "Shred fiercely",
    "Bite hard", "Grumble about youth", "Start lecturing", "Scowl sharply",
    "Vent a terrible odor", "Shout in a loud voice", "Shriek a war cry", "Knit a brow",
    "Lose a gear and bolts", "Scatter some spores", "Use a biting attack", "Weapon",
    "Armor", "Shoot cold-inducing beam", "Coil around and attack", "Smoke pour out from body",
    "Poo's special event", "Enemy Extender", "*Weapon", "Neutralizer",
    "*Unknown", "Food for one member", "Food for all members", "Misses home",
    "Body is numb", "Fall asleep", "Cannot move around", "Able to move",
    "Doesn't work very well", "Wolf down \"Fly Honey\"", "Sound stone", "Exit mouse",
    "Pokey-related text", "Pokey played dead", "Pokey pretended to cry", "Pokey apologized profusely",
    "Bark", "Chant a magic spell", "*Unknown", "Scratch head",
    "Snake", "Viper", "Hieroglyph copy", "Town Map",
    "Video Relaxant", "Discharge a stinky gas", "Cannot grasp true form...", "Pokey speech 1",
    "*Unknown", "*Unknown", "Pokey speech 2", "Try to get away",
    "Mirror command", "Suporma", "Insignificant Item", "Monkey's love",
    "Tendakraut", "King Banana", "Receiver phone", "Letter from mom",
    "Letter from Tony", "Letter from kids", "Give off rainbow of colors", "1st prayer",
    "2nd prayer", "3rd prayer", "4th prayer", "5th prayer",
    "6th prayer", "7th prayer", "8th prayer", "9th prayer",
    "Giygas damage attack", "Giygas feel strange attack", "Giygas unknown attack)", "Giygas solidify attack)",
    "Giygas crying attack", "Giygas unknown attack", "3 Giygas attacks", "3 Giygas death attacks",
    "Random Giygas quote", "2 random Giygas quotes", "Bazooka", "Heavy Bazooka",
    "<name>", "Eat a bologne sandwich", "Lose a gear and bolts", "Reapply a bandage",
    "Clean the area", "Want to get a battery", "You can't use the ",
};

const char* const PsiArgumentNames[kPsiArgumentCount] = {
    "PSI Special 1", "PSI Special 2", "PSI Special 3", "PSI Special 4",
    "PSI Fire 1", "PSI Fire 2", "PSI Fire 3", "PSI Fire 4",
    "PSI Freeze 1", "PSI Freeze 2", "PSI Freeze 3", "PSI Freeze 4",
    "PSI Thunder 1", "PSI Thunder 2", "PSI Thunder 3", "PSI Thunder 4",
    "PSI Flash 1", "PSI Flash 2", "PSI Flash 3", "PSI Flash 4",
    "PSI Starstorm 1", "PSI Starstorm 2", "PSI Lifeup 1", "PSI Lifeup 2",
    "PSI Lifeup 3", "PSI Lifeup 4", "PSI Healing 1", "PSI Healing 2",
    "PSI Healing 3", "PSI Healing 4", "Shield 1", "Shield 2",
    "Shield 3", "Shield 4", "PSI Shield 1", "PSI Shield 2",
    "PSI Shield 3", "PSI Shield 4", "PSI Offense up 1", "PSI Offense up 2",
    "PSI Defense down 1", "PSI Defense down 2", "PSI Hypnosis 1", "PSI Hypnosis 2",
    "PSI Magnet 1", "PSI Paralysis 1", "PSI Paralysis 2", "PSI Brainshock 1",
    "PSI Brainshock 2", "PSI Teleport 1", "PSI Teleport 2", "",
};


namespace {

struct ArgumentRun {
  std::uint32_t first;
  std::uint32_t last;
  ActionArgumentKind kind;
};

constexpr ArgumentRun kArgumentRuns[] = {
    {10, 61, ActionArgumentKind::Psi},     {62, 63, ActionArgumentKind::Enemy},  {140, 140, ActionArgumentKind::Item},
    {159, 200, ActionArgumentKind::Item},  {245, 245, ActionArgumentKind::Enemy}, {247, 247, ActionArgumentKind::Item},
    {258, 259, ActionArgumentKind::Item},  {268, 272, ActionArgumentKind::Item},  {281, 289, ActionArgumentKind::Item},
    {310, 311, ActionArgumentKind::Item},
};

constexpr std::array<ActionArgumentKind, kActionCount> BuildArgumentKinds() {
  std::array<ActionArgumentKind, kActionCount> kinds{};
  for (const ArgumentRun& run : kArgumentRuns) {
    for (std::uint32_t action = run.first; action <= run.last; ++action) kinds[action] = run.kind;
  }
  return kinds;
}

}  // namespace

const std::array<ActionArgumentKind, kActionCount> ActionArgumentKinds = BuildArgumentKinds();

ActionArgumentKind ArgumentKindOf(std::uint32_t action) {
  return action < kActionCount ? ActionArgumentKinds[action] : ActionArgumentKind::None;
}
