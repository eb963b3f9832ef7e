// pondus-make-demo DIR: makes DIR a complete app folder for trying the program
// without a shop: the three store databases with the catalog of a fresh-food
// service counter, the settings files with a section for every scale model, a
// BRAVUS text export, the program's working folders and the vendor link program
// stand-ins. Running it again over the same folder rebuilds everything it makes.
//
// The catalog is fixed; only the dates follow the day the tool runs, so that the
// promotions are running and "Changed Since" a week ago picks out some items.

#include "platform/Paths.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <random>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

namespace fs = std::filesystem;
using std::chrono::days;
using std::chrono::sys_days;

// ---------------------------------------------------------------------------
// The catalog

enum class Dept { Butchery, Poultry, Seafood, Deli, Cheese, Salads, Bakery, Produce, Specials };

struct Department {
    const char* menuGroup; // KELP menu group code
    const char* name;
    const char* barcodePrefix; // weighed-item EAN prefix
    int dateFlag;              // 1: the label carries the pack date
};

// Indexed by Dept.
constexpr Department departments[] = {
    {"BUT", "BUTCHERY", "21", 1},     {"POU", "POULTRY", "22", 1},     {"SEA", "SEAFOOD", "23", 1},
    {"DEL", "DELICATESSEN", "24", 1}, {"CHE", "CHEESE", "25", 1},      {"SAL", "SALADS", "26", 1},
    {"BAK", "BAKERY", "27", 1},       {"FRV", "FRUIT & VEG", "28", 0}, {"SPC", "SPECIALS", "29", 1},
};

const Department& departmentOf(Dept dept) {
    return departments[static_cast<int>(dept)];
}

// PW: priced by weight, the price is per kg. PP: pre-packed, the price is per pack.
struct Item {
    Dept dept;
    const char* plu;
    const char* desc; // Windows-1252 bytes, as the shop's database holds them (0xC9: E acute)
    const char* type;
    int cents; // retail price
    int shelfLifeDays;
};

const Item catalog[] = {
    {Dept::Butchery, "1001", "BEEF RUMP STEAK", "PW", 3290, 4},
    {Dept::Butchery, "1002", "BEEF SIRLOIN STEAK", "PW", 4290, 4},
    {Dept::Butchery, "1003", "BEEF SCOTCH FILLET", "PW", 5490, 4},
    {Dept::Butchery, "1004", "BEEF EYE FILLET", "PW", 6990, 4},
    {Dept::Butchery, "1005", "BEEF T-BONE STEAK", "PW", 3690, 4},
    {Dept::Butchery, "1006", "BEEF MINCE, LEAN", "PW", 1890, 2},
    {Dept::Butchery, "1007", "BEEF MINCE, REGULAR", "PW", 1390, 2},
    {Dept::Butchery, "1008", "BEEF STIR FRY STRIPS", "PW", 2490, 3},
    {Dept::Butchery, "1009", "BEEF DICED CHUCK", "PW", 1990, 3},
    {Dept::Butchery, "1010", "BEEF BRISKET", "PW", 2190, 5},
    {Dept::Butchery, "1011", "BEEF SHORT RIBS", "PW", 2490, 5},
    {Dept::Butchery, "1012", "CORNED SILVERSIDE", "PW", 1590, 7},
    {Dept::Butchery, "1013", "BEEF OSSO BUCO", "PW", 1790, 4},
    {Dept::Butchery, "1014", "VEAL SCHNITZEL", "PW", 3490, 3},
    {Dept::Butchery, "1015", "VEAL CUTLETS", "PW", 3890, 3},
    {Dept::Butchery, "1016", "LAMB LOIN CHOPS", "PW", 3690, 4},
    {Dept::Butchery, "1017", "LAMB CUTLETS, FRENCHED", "PW", 4990, 4},
    {Dept::Butchery, "1018", "LAMB LEG, BONE IN", "PW", 1790, 5},
    {Dept::Butchery, "1019", "LAMB SHOULDER, ROLLED", "PW", 1990, 5},
    {Dept::Butchery, "1020", "LAMB SHANKS", "PW", 1690, 5},
    {Dept::Butchery, "1021", "LAMB MINCE", "PW", 1790, 2},
    {Dept::Butchery, "1022", "PORK LOIN CHOPS", "PW", 1690, 4},
    {Dept::Butchery, "1023", "PORK BELLY, ROLLED", "PW", 2190, 4},
    {Dept::Butchery, "1024", "PORK SCOTCH FILLET", "PW", 1990, 4},
    {Dept::Butchery, "1025", "PORK SPARE RIBS", "PW", 1490, 4},
    {Dept::Butchery, "1026", "PORK MINCE", "PW", 1290, 2},
    {Dept::Butchery, "1027", "BEEF SAUSAGES, THIN", "PW", 1190, 3},
    {Dept::Butchery, "1028", "PORK & FENNEL SAUSAGES", "PW", 1490, 3},
    {Dept::Butchery, "1029", "BEEF BURGERS 4PK", "PP", 1100, 3},
    {Dept::Butchery, "1030", "LAMB KOFTA SKEWERS 6PK", "PP", 1450, 3},
    {Dept::Butchery, "1031", "MARINATED BEEF KEBABS", "PW", 2690, 3},
    {Dept::Butchery, "1032", "WAGYU RUMP MB6", "PW", 7990, 4},

    {Dept::Poultry, "2001", "CHICKEN BREAST FILLET", "PW", 1390, 3},
    {Dept::Poultry, "2002", "CHICKEN THIGH FILLET", "PW", 1490, 3},
    {Dept::Poultry, "2003", "CHICKEN DRUMSTICKS", "PW", 690, 3},
    {Dept::Poultry, "2004", "CHICKEN WINGS", "PW", 790, 3},
    {Dept::Poultry, "2005", "WHOLE CHICKEN, SIZE 16", "PW", 590, 4},
    {Dept::Poultry, "2006", "CHICKEN MARYLAND", "PW", 890, 3},
    {Dept::Poultry, "2007", "CHICKEN TENDERLOINS", "PW", 1590, 3},
    {Dept::Poultry, "2008", "CHICKEN MINCE", "PW", 1190, 2},
    {Dept::Poultry, "2009", "CHICKEN SCHNITZEL", "PW", 1890, 3},
    {Dept::Poultry, "2010", "CHICKEN KIEV 2PK", "PP", 990, 4},
    {Dept::Poultry, "2011", "CHICKEN SATAY SKEWERS", "PW", 1990, 3},
    {Dept::Poultry, "2012", "CHICKEN LIVERS", "PW", 690, 2},
    {Dept::Poultry, "2013", "FREE RANGE BREAST FILLET", "PW", 1990, 3},
    {Dept::Poultry, "2014", "FREE RANGE WHOLE CHICKEN", "PW", 990, 4},
    {Dept::Poultry, "2015", "TURKEY BREAST ROAST", "PW", 2490, 4},
    {Dept::Poultry, "2016", "TURKEY MINCE", "PW", 1490, 2},
    {Dept::Poultry, "2017", "DUCK BREAST", "PW", 3990, 4},
    {Dept::Poultry, "2018", "WHOLE DUCK", "PW", 1690, 5},
    {Dept::Poultry, "2019", "QUAIL, BONED 4PK", "PP", 1690, 4},
    {Dept::Poultry, "2020", "CHICKEN SAUSAGES", "PW", 1290, 3},
    {Dept::Poultry, "2021", "PERI PERI HALF CHICKEN", "PP", 1200, 2},
    {Dept::Poultry, "2022", "CHICKEN STIR FRY", "PW", 1690, 3},

    {Dept::Seafood, "3001", "ATLANTIC SALMON FILLET", "PW", 3490, 2},
    {Dept::Seafood, "3002", "SALMON PORTION, SKIN OFF", "PW", 3990, 2},
    {Dept::Seafood, "3003", "SMOKED SALMON, SLICED", "PW", 5990, 14},
    {Dept::Seafood, "3004", "BARRAMUNDI FILLET", "PW", 3690, 2},
    {Dept::Seafood, "3005", "SNAPPER FILLET", "PW", 4490, 2},
    {Dept::Seafood, "3006", "FLATHEAD FILLET", "PW", 4290, 2},
    {Dept::Seafood, "3007", "BLUE-EYE TREVALLA FILLET", "PW", 4990, 2},
    {Dept::Seafood, "3008", "WHOLE SNAPPER", "PW", 2490, 2},
    {Dept::Seafood, "3009", "TUNA STEAK, SASHIMI", "PW", 6490, 1},
    {Dept::Seafood, "3010", "KING PRAWNS, COOKED", "PW", 3990, 2},
    {Dept::Seafood, "3011", "TIGER PRAWNS, GREEN", "PW", 3490, 2},
    {Dept::Seafood, "3012", "PRAWN MEAT, RAW", "PW", 4290, 2},
    {Dept::Seafood, "3013", "BLACK MUSSELS", "PW", 990, 2},
    {Dept::Seafood, "3014", "SCALLOPS, ROE ON", "PW", 5990, 2},
    {Dept::Seafood, "3015", "CALAMARI RINGS", "PW", 1990, 2},
    {Dept::Seafood, "3016", "SQUID TUBES", "PW", 1690, 2},
    {Dept::Seafood, "3017", "BABY OCTOPUS", "PW", 1890, 2},
    {Dept::Seafood, "3018", "ROCK OYSTERS, DOZEN", "PP", 2400, 3},
    {Dept::Seafood, "3019", "PACIFIC OYSTERS, DOZEN", "PP", 1900, 3},
    {Dept::Seafood, "3020", "BLUE SWIMMER CRAB COOKED", "PW", 2990, 2},
    {Dept::Seafood, "3021", "FISH CAKES 4PK", "PP", 890, 3},
    {Dept::Seafood, "3022", "CRUMBED FISH FILLETS", "PW", 2290, 2},
    {Dept::Seafood, "3023", "MARINARA MIX", "PW", 2490, 2},
    {Dept::Seafood, "3024", "SMOKED TROUT, WHOLE", "PW", 3290, 10},
    {Dept::Seafood, "3025", "LING FILLET", "PW", 2990, 2},

    {Dept::Deli, "40101", "LEG HAM, OFF THE BONE", "PW", 2490, 7},
    {Dept::Deli, "40102", "HONEY HAM, SHAVED", "PW", 2290, 7},
    {Dept::Deli, "40103", "BLACK FOREST HAM", "PW", 3290, 7},
    {Dept::Deli, "40104", "PROSCIUTTO, SLICED", "PW", 6990, 14},
    {Dept::Deli, "40105", "HUNGARIAN SALAMI", "PW", 2990, 21},
    {Dept::Deli, "40106", "MILANO SALAMI", "PW", 3490, 21},
    {Dept::Deli, "40107", "CACCIATORE, MILD", "PW", 3290, 21},
    {Dept::Deli, "40108", "PEPPERONI STICK", "PW", 2690, 21},
    {Dept::Deli, "40109", "MORTADELLA, PISTACHIO", "PW", 2190, 10},
    {Dept::Deli, "40110", "PASTRAMI, SLICED", "PW", 4290, 7},
    {Dept::Deli, "40111", "ROAST BEEF, RARE", "PW", 4490, 5},
    {Dept::Deli, "40112", "CHICKEN BREAST, SHAVED", "PW", 2690, 5},
    {Dept::Deli, "40113", "TURKEY BREAST, SHAVED", "PW", 2990, 5},
    {Dept::Deli, "40114", "KRANSKY", "PW", 1890, 14},
    {Dept::Deli, "40115", "CONTINENTAL FRANKFURTS", "PW", 1490, 14},
    {Dept::Deli, "40116", "CHORIZO, SPANISH", "PW", 3690, 21},
    {Dept::Deli, "40117", "CHICKEN LIVER PAT\xC9", "PW", 2990, 7},
    {Dept::Deli, "40118", "DUCK & ORANGE PAT\xC9", "PW", 4990, 7},
    {Dept::Deli, "40119", "PAT\xC9 DE CAMPAGNE", "PW", 3990, 7},
    {Dept::Deli, "40120", "SMOKED CHICKEN BREAST", "PW", 3290, 7},
    {Dept::Deli, "40121", "KALAMATA OLIVES", "PW", 1890, 30},
    {Dept::Deli, "40122", "GREEN OLIVES, STUFFED", "PW", 1990, 30},
    {Dept::Deli, "40123", "SUN DRIED TOMATOES", "PW", 3290, 21},
    {Dept::Deli, "40124", "MARINATED ARTICHOKES", "PW", 3490, 14},
    {Dept::Deli, "40125", "CHARGRILLED CAPSICUM", "PW", 2490, 14},
    {Dept::Deli, "40126", "JALAPE\xD1O PEPPERS", "PW", 1990, 30},
    {Dept::Deli, "40127", "DOLMADES", "PW", 2290, 14},
    {Dept::Deli, "40128", "HUMMUS DIP 250G", "PP", 650, 10},
    {Dept::Deli, "40129", "TZATZIKI DIP 250G", "PP", 650, 10},
    {Dept::Deli, "40130", "TARAMASALATA 250G", "PP", 690, 10},
    {Dept::Deli, "40131", "BACON, MIDDLE RASHERS", "PW", 1890, 10},
    {Dept::Deli, "40132", "BACON, SHORTCUT", "PW", 2290, 10},

    {Dept::Cheese, "41101", "TASTY CHEDDAR", "PW", 1690, 30},
    {Dept::Cheese, "41102", "VINTAGE CHEDDAR", "PW", 2890, 60},
    {Dept::Cheese, "41103", "SMOKED CHEDDAR", "PW", 2690, 30},
    {Dept::Cheese, "41104", "BABY SWISS", "PW", 3290, 30},
    {Dept::Cheese, "41105", "SWISS EMMENTAL", "PW", 3690, 30},
    {Dept::Cheese, "41106", "GRUY\xC8RE", "PW", 5490, 45},
    {Dept::Cheese, "41107", "PARMIGIANO REGGIANO", "PW", 5990, 90},
    {Dept::Cheese, "41108", "GRANA PADANO", "PW", 3990, 90},
    {Dept::Cheese, "41109", "PECORINO ROMANO", "PW", 4290, 90},
    {Dept::Cheese, "41110", "DOUBLE CREAM BRIE", "PW", 3490, 21},
    {Dept::Cheese, "41111", "CAMEMBERT", "PW", 3290, 21},
    {Dept::Cheese, "41112", "TRIPLE CREAM BRIE", "PW", 4290, 21},
    {Dept::Cheese, "41113", "GORGONZOLA DOLCE", "PW", 4490, 14},
    {Dept::Cheese, "41114", "ROQUEFORT", "PW", 6990, 28},
    {Dept::Cheese, "41115", "GOUDA, AGED", "PW", 3690, 60},
    {Dept::Cheese, "41116", "EDAM", "PW", 2490, 45},
    {Dept::Cheese, "41117", "HALOUMI", "PW", 2990, 30},
    {Dept::Cheese, "41118", "FETA, DANISH", "PW", 1990, 30},
    {Dept::Cheese, "41119", "FETA, GREEK SHEEP", "PW", 2990, 30},
    {Dept::Cheese, "41120", "BOCCONCINI", "PW", 2790, 10},
    {Dept::Cheese, "41121", "FRESH RICOTTA", "PW", 1490, 7},
    {Dept::Cheese, "41122", "MASCARPONE 250G", "PP", 750, 21},
    {Dept::Cheese, "41123", "MANCHEGO", "PW", 5290, 60},
    {Dept::Cheese, "41124", "COMT\xC9", "PW", 5990, 45},
    {Dept::Cheese, "41125", "DANISH BLUE", "PW", 3290, 21},

    {Dept::Salads, "5001", "POTATO SALAD, CREAMY", "PW", 1290, 3},
    {Dept::Salads, "5002", "COLESLAW", "PW", 1190, 3},
    {Dept::Salads, "5003", "GREEK SALAD", "PW", 1990, 2},
    {Dept::Salads, "5004", "PASTA SALAD, PESTO", "PW", 1490, 3},
    {Dept::Salads, "5005", "CURRIED RICE SALAD", "PW", 1390, 3},
    {Dept::Salads, "5006", "BEETROOT & FETA SALAD", "PW", 1890, 3},
    {Dept::Salads, "5007", "TABOULI", "PW", 1690, 2},
    {Dept::Salads, "5008", "QUINOA & KALE SALAD", "PW", 2290, 3},
    {Dept::Salads, "5009", "CAESAR SALAD", "PW", 1990, 2},
    {Dept::Salads, "5010", "ROAST PUMPKIN SALAD", "PW", 1890, 3},
    {Dept::Salads, "5011", "WALDORF SALAD", "PW", 1790, 2},
    {Dept::Salads, "5012", "THAI BEEF SALAD", "PW", 2690, 2},
    {Dept::Salads, "5013", "SEAFOOD SALAD", "PW", 3290, 2},
    {Dept::Salads, "5014", "EGG & CHIVE SALAD", "PW", 1490, 2},
    {Dept::Salads, "5015", "CHICKPEA SALAD", "PW", 1390, 3},
    {Dept::Salads, "5016", "ASIAN NOODLE SALAD", "PW", 1590, 3},
    {Dept::Salads, "5017", "CAPRESE SALAD", "PW", 2490, 2},
    {Dept::Salads, "5018", "LENTIL SALAD", "PW", 1390, 3},
    {Dept::Salads, "5019", "ROAST VEGETABLE SALAD", "PW", 1790, 3},
    {Dept::Salads, "5020", "GARDEN SALAD CUP", "PP", 550, 2},

    {Dept::Bakery, "60101", "SOURDOUGH, WHITE", "PW", 890, 3},
    {Dept::Bakery, "60102", "SOURDOUGH RYE", "PW", 990, 3},
    {Dept::Bakery, "60103", "WHOLEMEAL COB", "PW", 790, 3},
    {Dept::Bakery, "60104", "OLIVE CIABATTA", "PW", 1190, 2},
    {Dept::Bakery, "60105", "TURKISH BREAD", "PW", 690, 2},
    {Dept::Bakery, "60106", "FRUIT LOAF, SLICED", "PW", 1090, 4},
    {Dept::Bakery, "60107", "DINNER ROLLS", "PW", 890, 2},
    {Dept::Bakery, "60108", "BUTTER CROISSANTS", "PW", 2490, 2},
    {Dept::Bakery, "60109", "DANISH PASTRIES", "PW", 2290, 2},
    {Dept::Bakery, "60110", "ANZAC BISCUITS", "PW", 1990, 14},
    {Dept::Bakery, "60111", "SHORTBREAD", "PW", 2490, 21},
    {Dept::Bakery, "60112", "ALMOND BISCOTTI", "PW", 3290, 30},
    {Dept::Bakery, "60113", "CHOCOLATE BROWNIES", "PW", 2690, 5},
    {Dept::Bakery, "60114", "CARROT CAKE SLICE", "PW", 2490, 4},
    {Dept::Bakery, "60115", "LEMON SLICE", "PW", 2290, 5},
    {Dept::Bakery, "60116", "CARAMEL SLICE", "PW", 2490, 5},
    {Dept::Bakery, "60117", "BLUEBERRY MUFFINS", "PW", 1890, 3},
    {Dept::Bakery, "60118", "SCONES, PLAIN", "PW", 1490, 2},
    {Dept::Bakery, "60119", "BANANA BREAD", "PW", 1690, 4},
    {Dept::Bakery, "60120", "PAIN AU CHOCOLAT 2PK", "PP", 690, 2},
    {Dept::Bakery, "60121", "QUICHE LORRAINE", "PW", 2490, 3},
    {Dept::Bakery, "60122", "SAUSAGE ROLLS", "PW", 1990, 3},

    {Dept::Produce, "7001", "BANANAS, CAVENDISH", "PW", 349, 5},
    {Dept::Produce, "7002", "APPLES, ROYAL GALA", "PW", 499, 14},
    {Dept::Produce, "7003", "APPLES, GRANNY SMITH", "PW", 449, 14},
    {Dept::Produce, "7004", "APPLES, FUJI", "PW", 599, 14},
    {Dept::Produce, "7005", "PEARS, PACKHAM", "PW", 449, 10},
    {Dept::Produce, "7006", "ORANGES, NAVEL", "PW", 399, 14},
    {Dept::Produce, "7007", "MANDARINS, IMPERIAL", "PW", 599, 10},
    {Dept::Produce, "7008", "LEMONS", "PW", 699, 21},
    {Dept::Produce, "7009", "LIMES", "PW", 1290, 14},
    {Dept::Produce, "7010", "GRAPES, RED SEEDLESS", "PW", 799, 7},
    {Dept::Produce, "7011", "GRAPES, WHITE SEEDLESS", "PW", 799, 7},
    {Dept::Produce, "7012", "KIWI FRUIT", "PW", 899, 14},
    {Dept::Produce, "7013", "NECTARINES, WHITE", "PW", 699, 5},
    {Dept::Produce, "7014", "PEACHES, YELLOW", "PW", 699, 5},
    {Dept::Produce, "7015", "PLUMS, BLOOD", "PW", 799, 5},
    {Dept::Produce, "7016", "CHERRIES", "PW", 1999, 5},
    {Dept::Produce, "7017", "TOMATOES, TRUSS", "PW", 699, 7},
    {Dept::Produce, "7018", "TOMATOES, ROMA", "PW", 599, 7},
    {Dept::Produce, "7019", "CUCUMBER, LEBANESE", "PW", 599, 7},
    {Dept::Produce, "7020", "CAPSICUM, RED", "PW", 899, 7},
    {Dept::Produce, "7021", "ZUCCHINI", "PW", 599, 7},
    {Dept::Produce, "7022", "EGGPLANT", "PW", 699, 7},
    {Dept::Produce, "7023", "CARROTS", "PW", 249, 14},
    {Dept::Produce, "7024", "POTATOES, WASHED", "PW", 299, 21},
    {Dept::Produce, "7025", "SWEET POTATO, GOLD", "PW", 449, 21},
    {Dept::Produce, "7026", "ONIONS, BROWN", "PW", 299, 30},
    {Dept::Produce, "7027", "ONIONS, RED", "PW", 399, 30},
    {Dept::Produce, "7028", "GARLIC, LOCAL", "PW", 2990, 30},
    {Dept::Produce, "7029", "GINGER, FRESH", "PW", 1990, 21},
    {Dept::Produce, "7030", "MUSHROOMS, CUP", "PW", 1290, 5},
    {Dept::Produce, "7031", "MUSHROOMS, SWISS BROWN", "PW", 1490, 5},
    {Dept::Produce, "7032", "PUMPKIN, BUTTERNUT", "PW", 299, 21},
    {Dept::Produce, "7033", "BROCCOLI", "PW", 699, 5},
    {Dept::Produce, "7034", "GREEN BEANS", "PW", 999, 5},
    {Dept::Produce, "7035", "AVOCADO, HASS", "PW", 1290, 5},
    {Dept::Produce, "7036", "BERRY MIX PUNNET 250G", "PP", 500, 4},

    {Dept::Specials, "100842", "HAM, HALF LEG ON BONE", "PW", 1990, 14},
    {Dept::Specials, "100915", "PORCHETTA, ROLLED", "PW", 3490, 5},
    {Dept::Specials, "200450", "BBQ FAMILY PACK", "PP", 3990, 3},
};

// Items of other types: the store database holds them beside the weighed items,
// and every export passes them over.
struct OtherItem {
    const char* plu;
    const char* desc;
    const char* type;
    int cents;
    const char* barcodeStem; // the first 12 digits of the EAN
};

const OtherItem otherItems[] = {
    {"9001", "CARRY BAG, PAPER", "NS", 20, "930061290011"},
    {"9002", "COOLER BAG", "NS", 450, "930061290028"},
    {"9003", "ICE BAG 5KG", "NS", 550, "930061290035"},
    {"9004", "CHARCOAL 4KG", "NS", 1490, "930061290042"},
    {"9005", "GIFT CARD $50", "GC", 5000, "930061290059"},
    {"9006", "HOME DELIVERY FEE", "SV", 995, "930061290066"},
};

struct PriceLevel {
    const char* code;
    const char* desc;
    const char* otherDesc;
    int percentOfRetail;
};

const PriceLevel priceLevels[] = {
    {"P1", "RETAIL", "Retail price", 100},
    {"P2", "MEMBER", "Member price", 95},
    {"P3", "WHOLESALE", "Wholesale price", 85},
};

// Where a promotion's date window lies. Running promotions hold today; the
// others are there as a shop's data has them, and give the normal price.
enum class Window { ThisWeek, AfternoonsThisWeek, Ended, Upcoming };

struct Promotion {
    const char* plu;
    int percentOff;
    Window window;
};

const Promotion promotions[] = {
    {"1003", 15, Window::ThisWeek},
    {"1027", 20, Window::ThisWeek},
    {"2001", 20, Window::ThisWeek},
    {"2011", 25, Window::AfternoonsThisWeek},
    {"3001", 10, Window::ThisWeek},
    {"3010", 15, Window::AfternoonsThisWeek},
    {"40101", 10, Window::ThisWeek},
    {"40117", 20, Window::ThisWeek},
    {"41110", 15, Window::ThisWeek},
    {"5001", 30, Window::AfternoonsThisWeek},
    {"60108", 40, Window::AfternoonsThisWeek},
    {"7016", 25, Window::ThisWeek},
    {"1016", 15, Window::Ended},
    {"2017", 10, Window::Upcoming},
};

const Promotion* promotionOf(std::string_view plu) {
    for (const Promotion& promotion : promotions)
        if (plu == promotion.plu)
            return &promotion;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Names in the app folder (backslashes, as the settings hold them)

constexpr const char* TillDatabase = "Data\\Pos\\tillv10.db";
constexpr const char* KelpDatabase = "Data\\Pos\\kelp.db";
constexpr const char* V8Database = "Data\\Pos\\v8.db";
constexpr const char* BravusExport = "Data\\Bravus\\PLUEXP.TXT";
constexpr const char* FlagCode = "20";
constexpr const char* StoreCode = "S001";

constexpr const char* folders[] = {"Data\\Pos", "Data\\Bravus", "Data\\Scale",
                                   "Log\\Temp", "Scale\\CAS",   "Scale\\CL5500"};

struct StandIn {
    const char* program;
    const char* folder; // "" for the app folder itself
};

constexpr StandIn standIns[] = {
    {"IshidaDriver.exe", ""},
    {"IshidaDriverSlpV.exe", ""},
    {"CasLink.exe", "Scale\\CAS"},
    {"CasLink.exe", "Scale\\CL5500"},
};

// ---------------------------------------------------------------------------
// Small helpers

fs::path pathIn(const std::string& appFolder, std::string_view name) {
    return pondus::resolveName(pondus::joinName(appFolder, name));
}

std::string zeroPadded(long value, int width) {
    std::string text = std::to_string(value);
    return std::string(std::max(0, width - int(text.size())), '0') + text;
}

std::string withCheckDigit(const std::string& twelveDigits) {
    int sum = 0;
    for (size_t i = 0; i < twelveDigits.size(); ++i)
        sum += (twelveDigits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return twelveDigits + char('0' + (10 - sum % 10) % 10);
}

// Weighed-item EAN-13: department prefix, five-digit item number, a zero price
// part (the scale fills it in) and the check digit.
std::string itemNumber(const Item& item) {
    return zeroPadded(std::stol(item.plu) % 100000, 5);
}

std::string barcodeOf(const Item& item) {
    return withCheckDigit(departmentOf(item.dept).barcodePrefix + itemNumber(item) + "00000");
}

bool isFixedPrice(const Item& item) {
    return std::string_view(item.type) == "PP";
}

// Five digits: "1" for a fixed-price item, else "0"; the shelf life in days in
// three digits; the date flag.
std::string weightStatusOf(const Item& item) {
    return std::string(isFixedPrice(item) ? "1" : "0") + zeroPadded(item.shelfLifeDays, 3) +
           std::to_string(departmentOf(item.dept).dateFlag);
}

// A share of a price, rounded to ten cents.
int shareOf(int cents, int percent) {
    return (cents * percent + 500) / 1000 * 10;
}

double money(int cents) {
    return cents / 100.0;
}

std::string timestamp(sys_days day, int hour, int minute) {
    std::chrono::year_month_day date{day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:00", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), hour, minute);
    return text;
}

sys_days localToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return sys_days{std::chrono::year{local.tm_year + 1900} /
                    std::chrono::month{unsigned(local.tm_mon + 1)} /
                    std::chrono::day{unsigned(local.tm_mday)}};
}

// Last-change times spread over the last six months, about one item in six
// changed in the last week; the fixed seed gives every run the same spread.
class UpdateTimes {
public:
    explicit UpdateTimes(sys_days today) : m_today(today) {}

    std::string next() {
        int daysAgo = roll(6) == 0 ? 1 + roll(6) : 8 + roll(172);
        return timestamp(m_today - days{daysAgo}, 6 + roll(14), roll(60));
    }

private:
    int roll(int sides) { return int(m_engine() % unsigned(sides)); }

    sys_days m_today;
    std::mt19937 m_engine{20240611};
};

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot read " + file.string());
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("Cannot write " + file.string());
}

// ---------------------------------------------------------------------------
// SQLite

using Value = std::variant<std::nullptr_t, std::string, double, int>;

struct Field {
    const char* column;
    Value value;
};

class Database {
public:
    // A new database from the schema; an existing file is replaced.
    Database(const fs::path& file, const std::string& schemaName) : m_file(file) {
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            fs::remove(file.string() + suffix);
        if (sqlite3_open(file.c_str(), &m_handle) != SQLITE_OK)
            fail("open");
        // A half-written file is rebuilt by the next run: no need to wait for the disk.
        run("PRAGMA synchronous = OFF");
        run(readText(fs::path(PONDUS_SCHEMA_DIR) / schemaName));
        run("BEGIN");
    }

    ~Database() { sqlite3_close(m_handle); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void commit() { run("COMMIT"); }

    void insert(std::string_view table, std::initializer_list<Field> fields) {
        std::string columns, marks;
        for (const Field& field : fields) {
            columns += std::string(columns.empty() ? "" : ", ") + field.column;
            marks += marks.empty() ? "?" : ", ?";
        }
        std::string sql =
            "INSERT INTO " + std::string(table) + " (" + columns + ") VALUES (" + marks + ")";
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_handle, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            fail(sql);
        int index = 1;
        for (const Field& field : fields)
            bind(statement, index++, field.value);
        int result = sqlite3_step(statement);
        sqlite3_finalize(statement);
        if (result != SQLITE_DONE)
            fail(sql);
    }

private:
    void run(const std::string& sql) {
        if (sqlite3_exec(m_handle, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql);
    }

    static void bind(sqlite3_stmt* statement, int index, const Value& value) {
        if (auto text = std::get_if<std::string>(&value))
            sqlite3_bind_text(statement, index, text->data(), int(text->size()), SQLITE_TRANSIENT);
        else if (auto number = std::get_if<double>(&value))
            sqlite3_bind_double(statement, index, *number);
        else if (auto whole = std::get_if<int>(&value))
            sqlite3_bind_int(statement, index, *whole);
        else
            sqlite3_bind_null(statement, index);
    }

    [[noreturn]] void fail(const std::string& what) {
        throw std::runtime_error(m_file.string() + ": " + what + ": " + sqlite3_errmsg(m_handle));
    }

    fs::path m_file;
    sqlite3* m_handle = nullptr;
};

// ---------------------------------------------------------------------------
// The TILLV10 store database

// One Mas_Stock_Price row per level; a promotion gives every level the same
// share off its own price.
void insertPrices(Database& db, const std::string& plu, const std::string& link, int cents,
                  const Promotion* promotion, sys_days today) {
    for (const PriceLevel& level : priceLevels) {
        int price = shareOf(cents, level.percentOfRetail);
        Value dateFrom = nullptr, dateTo = nullptr, timeFrom = nullptr, timeTo = nullptr;
        std::string dateActive = "F", timeActive = "F";
        int discount = 0;
        if (promotion) {
            sys_days first = today - days{2}, last = today + days{5};
            if (promotion->window == Window::Ended)
                first = today - days{30}, last = today - days{9};
            if (promotion->window == Window::Upcoming)
                first = today + days{3}, last = today + days{10};
            dateActive = "T";
            dateFrom = timestamp(first, 0, 0);
            dateTo = timestamp(last, 0, 0);
            discount = shareOf(price, 100 - promotion->percentOff);
            if (promotion->window == Window::AfternoonsThisWeek) {
                timeActive = "T";
                timeFrom = timestamp(first, 14, 0);
                timeTo = timestamp(first, 18, 0);
            }
        }
        db.insert("Mas_Stock_Price", {{"M_PluCode", plu},
                                      {"M_Price", money(price)},
                                      {"M_PluLinkID", link},
                                      {"M_Level", level.code},
                                      {"M_DateFrom", dateFrom},
                                      {"M_DateTo", dateTo},
                                      {"M_DateActive", dateActive},
                                      {"M_TimeFrom", timeFrom},
                                      {"M_TimeTo", timeTo},
                                      {"M_TimeActive", timeActive},
                                      {"M_DiscPrice", money(discount)},
                                      {"M_Qty", 1},
                                      {"M_OfQty", 1}});
    }
}

std::string linkIdOf(std::string_view plu) {
    return "PLU" + zeroPadded(std::stol(std::string(plu)), 6);
}

void makeTillDatabase(const std::string& appFolder, sys_days today) {
    Database db(pathIn(appFolder, TillDatabase), "tillv10.sql");
    for (const PriceLevel& level : priceLevels)
        db.insert("Mas_PriceLevel",
                  {{"M_Code", level.code}, {"M_Desc", level.desc}, {"M_ODesc", level.otherDesc}});
    UpdateTimes updates(today);
    for (const Item& item : catalog) {
        std::string link = linkIdOf(item.plu);
        db.insert("Mas_Stock", {{"M_PluLinkID", link},
                                {"M_PluCode", item.plu},
                                {"M_Barcode", barcodeOf(item)},
                                {"M_Desc", item.desc},
                                {"M_Type", item.type},
                                {"M_Unit", isFixedPrice(item) ? "EA" : "KG"},
                                {"M_Cost", money(shareOf(item.cents, 60))},
                                {"M_Update", updates.next()}});
        insertPrices(db, item.plu, link, item.cents, promotionOf(item.plu), today);
        db.insert("Mas_Stock_Weight", {{"M_PluLinkID", link}, {"M_Status", weightStatusOf(item)}});
    }
    for (const OtherItem& item : otherItems) {
        std::string link = linkIdOf(item.plu);
        db.insert("Mas_Stock", {{"M_PluLinkID", link},
                                {"M_PluCode", item.plu},
                                {"M_Barcode", withCheckDigit(item.barcodeStem)},
                                {"M_Desc", item.desc},
                                {"M_Type", item.type},
                                {"M_Unit", "EA"},
                                {"M_Update", updates.next()}});
        insertPrices(db, item.plu, link, item.cents, nullptr, today);
    }
    db.commit();
}

// ---------------------------------------------------------------------------
// The KELP and MARTEN POS V8 store databases: a part of the same catalog

void makeKelpDatabase(const std::string& appFolder) {
    Database db(pathIn(appFolder, KelpDatabase), "kelp.sql");
    for (const Department& department : departments)
        db.insert("Mas_Menu_Group",
                  {{"M_Code", department.menuGroup}, {"M_Name", department.name}});
    for (size_t i = 0; i < std::size(catalog); i += 6) {
        const Item& item = catalog[i];
        const Department& department = departmentOf(item.dept);
        // Every seventh of these is no longer sold over the scale.
        bool onScale = i / 6 % 7 != 3;
        db.insert("Mas_Scan_Plu", {{"M_Scan_Code", FlagCode + itemNumber(item)},
                                   {"M_Name", item.desc},
                                   {"M_Scale", onScale ? "T" : "F"},
                                   {"M_Scale_Sales_Mode", isFixedPrice(item) ? "1" : "0"},
                                   {"M_Scale_Shelf_Life", item.shelfLifeDays},
                                   {"M_Scale_Date_Flag", std::to_string(department.dateFlag)},
                                   {"M_Menu_Group", department.menuGroup}});
    }
    for (const OtherItem& item : otherItems)
        db.insert("Mas_Scan_Plu", {{"M_Scan_Code", withCheckDigit(item.barcodeStem)},
                                   {"M_Name", item.desc},
                                   {"M_Scale", "F"},
                                   {"M_Menu_Group", "SPC"}});
    db.commit();
}

void makeV8Database(const std::string& appFolder, sys_days today) {
    Database db(pathIn(appFolder, V8Database), "v8.sql");
    for (const PriceLevel& level : priceLevels)
        db.insert("Mas_Price_Level",
                  {{"M_Code", level.code}, {"M_Desc", level.desc}, {"M_Desc2", level.otherDesc}});
    UpdateTimes updates(today);
    for (size_t i = 2; i < std::size(catalog); i += 5) {
        const Item& item = catalog[i];
        std::string id = "STK" + zeroPadded(std::stol(item.plu), 6);
        db.insert("Mas_Stock", {{"M_Stock_ID", id},
                                {"M_Stock_Code", item.plu},
                                {"M_Barcode", barcodeOf(item)},
                                {"M_Desc", item.desc},
                                {"M_P1_S1", money(item.cents)},
                                {"M_Stock_Type", item.type},
                                {"M_Date_Update", updates.next()}});
        for (const PriceLevel& level : priceLevels)
            db.insert("Mas_Stock_Price",
                      {{"M_Stock_Code", item.plu},
                       {"M_P_S1", money(shareOf(item.cents, level.percentOfRetail))},
                       {"M_Stock_ID", id},
                       {"M_Price_Level", level.code}});
        db.insert("Mas_Stock_Scale",
                  {{"M_Stock_ID", id},
                   {"M_Sales_Mode", isFixedPrice(item) ? "1" : "0"},
                   {"M_Shelf_Life", item.shelfLifeDays},
                   {"M_Date_Flag", std::to_string(departmentOf(item.dept).dateFlag)}});
    }
    for (const OtherItem& item : otherItems)
        db.insert("Mas_Stock", {{"M_Stock_ID", "STK" + zeroPadded(std::stol(item.plu), 6)},
                                {"M_Stock_Code", item.plu},
                                {"M_Barcode", withCheckDigit(item.barcodeStem)},
                                {"M_Desc", item.desc},
                                {"M_P1_S1", money(item.cents)},
                                {"M_Stock_Type", item.type},
                                {"M_Date_Update", updates.next()}});
    db.commit();
}

// ---------------------------------------------------------------------------
// The BRAVUS text export: a header line, then per item a line "01" with the PLU
// code (columns 3-8) and the price in cents (columns 10-15), a line "05" with the
// shelf life, and a line "09" with the description (columns 4-27); a trailer
// line and the end-of-text byte 1A, as the BRAVUS system writes it.

std::string padded(std::string_view text, size_t width) {
    std::string result(text);
    result.resize(std::max(width, result.size()), ' ');
    return result;
}

void makeBravusExport(const std::string& appFolder, sys_days today) {
    const std::string crlf = "\r\n";
    std::string text = "H0 BRAVUS PLU EXPORT  STORE " + std::string(StoreCode) + "  " +
                       timestamp(today, 5, 30) + crlf;
    int items = 0;
    for (size_t i = 3; i < std::size(catalog); i += 7, ++items) {
        const Item& item = catalog[i];
        text += "01" + zeroPadded(std::stol(item.plu), 6) + " " + zeroPadded(item.cents, 6) + " " +
                departmentOf(item.dept).menuGroup + " " + (isFixedPrice(item) ? "EA" : "KG") + crlf;
        text += "05 LIFE " + zeroPadded(item.shelfLifeDays, 3) + " TARE 000" + crlf;
        text += "09 " + padded(item.desc, 24) + crlf;
    }
    text += "T9 ITEMS " + zeroPadded(items, 6) + crlf + "\x1A";
    writeBytes(pathIn(appFolder, BravusExport), text);
}

// ---------------------------------------------------------------------------
// Settings files: CR LF line ends, comments on lines of their own

class IniText {
public:
    IniText& comment(std::string_view text) { return line("; " + std::string(text)); }

    IniText& section(std::string_view name) {
        if (!m_text.empty())
            line("");
        return line("[" + std::string(name) + "]");
    }

    IniText& key(std::string_view name, std::string_view value) {
        return line(std::string(name) + "=" + std::string(value));
    }

    IniText& widths(int plu, int price, int desc) {
        return key("SOURCE_PLUL", std::to_string(plu))
            .key("SOURCE_PRICEL", std::to_string(price))
            .key("SOURCE_DESCL", std::to_string(desc));
    }

    void save(const fs::path& file) const { writeBytes(file, m_text); }

private:
    IniText& line(const std::string& text) {
        m_text += text + "\r\n";
        return *this;
    }

    std::string m_text;
};

void writeAliases(const std::string& appFolder) {
    IniText ini;
    ini.comment("Store databases of the demo, relative to the app folder.")
        .section("POSAPP")
        .key("DRIVER", "SQLITE")
        .key("DATABASE", TillDatabase)
        .section("KelpMas")
        .key("DRIVER", "SQLITE")
        .key("DATABASE", KelpDatabase)
        .section("MartenV8")
        .key("DRIVER", "SQLITE")
        .key("DATABASE", V8Database);
    ini.save(pathIn(appFolder, "Alias.ini"));
}

// The column values every Ishida line carries; sales mode, shelf life and date
// flag give way to each item's weight status.
IniText& ishidaColumns(IniText& ini) {
    return ini.key("SalesMode", "0")
        .key("MarkFlag", "0")
        .key("DateFlag", "0")
        .key("TimeFlag", "0")
        .key("LabelFormat", "1")
        .key("ShelfLife", "0")
        .key("Dept", "1");
}

IniText& casColumns(IniText& ini) {
    return ini.key("Dept", "1")
        .key("SalesMode", "0")
        .key("PackDate", "0")
        .key("ShelfLife", "0")
        .key("FixedPrice", "0");
}

void writeScaleSettings(const std::string& appFolder) {
    IniText ini;
    ini.section("GENERAL")
        .key("DEFAULT_SOURCE", "TILLV10")
        .key("DEFAULT_TARGET", "CAS CL5000J")
        .key("DEFAULT_PRICE", "P1")
        .key("V8_DEFAULT_PRICE", "P1")
        .key("CALCULATION_PLU", "0")
        .key("CALCULATION_SCALE", "0")
        .key("CALCULATION_VALUE", "1")
        .key("BARCODE_PLUCODE", "0")
        .key("FixedVal1", "3")
        .key("FixedVal2", "15")
        .key("FixedVal3", "0")
        .key("FixedVal4", "0")
        .key("FixedVal5", "0")
        .key("FILE_LOG", "Y");

    ini.section("TILLV10").key("SOURCE_FILE", "Data\\Scale\\Scale.txt");
    ini.section("KELP").key("SOURCE_FILE", "Data\\Scale\\Scale.txt");
    ini.section("MARTEN POS V8").key("SOURCE_FILE", "Data\\Scale\\Scale.txt");
    ini.section("BRAVUS")
        .key("SOURCE_FILE", BravusExport)
        .key("SOURCE_STROW", "01")
        .key("SOURCE_ENDROW", "09")
        .key("SOURCE_DIGITROW", "2")
        .key("SOURCE_PLUS", "3")
        .key("SOURCE_PLUL", "6")
        .key("SOURCE_PRICES", "10")
        .key("SOURCE_PRICEL", "6")
        .key("SOURCE_DESCS", "4")
        .key("SOURCE_DESCL", "24");

    ini.section("ISHIDA BC-3000")
        .key("TARGET_FILE", "Data\\Scale\\ScaleLink_Pro_V2.txt")
        .widths(6, 6, 24)
        .key("TARGET_FIELD1", "1")
        .key("TARGET_FIELD2", "0")
        .key("TARGET_FIELD3", "A");
    ini.section("BIZERBA BC-815").key("TARGET_FILE", "Data\\Scale\\BC815.txt").widths(6, 6, 24);
    ini.section("SCALELINK PRO V3")
        .key("TARGET_FILE", "Data\\Scale\\ScaleLink_Pro_V3.txt")
        .widths(6, 6, 24)
        .key("TARGET_FIELD1", "1")
        .key("TARGET_FIELD2", "0")
        .key("TARGET_FIELD3", "A");
    ini.section("SCALELINK PRO V31I")
        .key("TARGET_FILE", "Data\\Scale\\ScaleLink_Pro_V31I.txt")
        .widths(6, 6, 24)
        .key("TARGET_WEIGHT", "W")
        .key("TARGET_FIXED_PRICE", "F")
        .comment("Separators: this line format has none of its own there.")
        .key("TARGET_FIELD1", ",")
        .key("TARGET_FIELD2", ",")
        .key("TARGET_FIELD3", ",");

    ini.section("ISHIDA ASTRA XT (DIRECT SEND)")
        .key("TARGET_FILE", "Log\\Temp\\SendPlu.txt")
        .key("TARGET_FILE_2", "Log\\Temp\\SendPlu2.txt")
        .key("TARGET_LOG_FILE", "Log\\Temp\\IshidaDrvLog.log")
        .widths(6, 6, 24);
    ishidaColumns(ini);
    ini.section("ISHIDA BC4000 (DIRECT SEND)")
        .comment("Code width 7: the whole KELP scan code, flag code included.")
        .key("TARGET_FILE", "Log\\Temp\\SendPluBC4000.txt")
        .key("TARGET_FILE_2", "Log\\Temp\\SendPlu2BC4000.txt")
        .key("TARGET_LOG_FILE", "Log\\Temp\\IshidaDrvLogBC4000.log")
        .widths(7, 6, 24);
    ishidaColumns(ini).key("BarCodeNum", "16").key("LabelFormatNo1", "32").key("PackQuant", "1");

    ini.section("CAS CL5000J")
        .comment("Code width 7: the whole KELP scan code, flag code included.")
        .key("TARGET_FILE", "Scale\\CAS\\PLU-Down-CL5000J.txt")
        .widths(7, 6, 24);
    casColumns(ini);
    ini.section("CAS CL5500J")
        .key("TARGET_FILE", "Scale\\CL5500\\PLU-Down-CL5000J.txt")
        .widths(6, 6, 24);
    casColumns(ini);
    ini.section("CAS CL5200J")
        .comment("Shares the CL5500 folder and its link program with the CL5500J.")
        .key("TARGET_FILE", "Scale\\CL5500\\PLU-Down-CL5000J.txt")
        .widths(6, 6, 24);
    casColumns(ini);

    ini.save(pathIn(appFolder, "Scale.ini"));
}

void writeRegisterAndSetup(const std::string& appFolder) {
    IniText registration;
    registration.section("STORE").key("DEFAULT_STORE", StoreCode);
    registration.section("SCALE").key("FLAG_CODE", FlagCode);
    registration.save(pathIn(appFolder, "Register.ini"));

    IniText setup;
    setup.section("File").key("Theme_Skin", "1");
    setup.save(pathIn(appFolder, "Setup.ini"));
}

// ---------------------------------------------------------------------------

void copyStandIns(const std::string& appFolder) {
    const fs::path source = PONDUS_STANDINS_DIR;
    for (const StandIn& standIn : standIns) {
        fs::path from = source / standIn.program;
        if (!fs::is_regular_file(from))
            continue;
        std::string name = *standIn.folder ? pondus::joinName(standIn.folder, standIn.program)
                                           : std::string(standIn.program);
        fs::path to = pathIn(appFolder, name);
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
        fs::permissions(to, fs::status(from).permissions());
    }
}

void makeDemo(const std::string& folder) {
    fs::create_directories(folder);
    fs::path absolute = fs::absolute(folder).lexically_normal();
    const std::string appFolder =
        (absolute.has_filename() ? absolute : absolute.parent_path()).string();
    for (const char* name : folders)
        if (!pondus::createFolders(pondus::joinName(appFolder, name)))
            throw std::runtime_error("Cannot create " + pathIn(appFolder, name).string());

    const sys_days today = localToday();
    makeTillDatabase(appFolder, today);
    makeKelpDatabase(appFolder);
    makeV8Database(appFolder, today);
    makeBravusExport(appFolder, today);
    writeAliases(appFolder);
    writeScaleSettings(appFolder);
    writeRegisterAndSetup(appFolder);
    copyStandIns(appFolder);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: pondus-make-demo DIR\n";
        return 2;
    }
    try {
        makeDemo(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "pondus-make-demo: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
