#include "convert/unit_catalogue.h"

#include <cstdint>
#include <numbers>

namespace tallyx {
namespace {

// The definitions the factors are formed from, so that conversions between
// defined units come out exact at the digits the calculator shows.

// Lengths in metres: the international yard and pound, the US survey foot.
constexpr double kFoot = 0.3048;
constexpr double kInch = 0.0254;
constexpr double kMile = 1609.344;
constexpr double kNauticalMile = 1852.0;
constexpr double kSurveyFoot = 1200.0 / 3937.0;
constexpr double kAstronomicalUnit = 149597870700.0;

// Masses in kilograms.
constexpr double kPound = 0.45359237;
constexpr double kOunce = kPound / 16.0;
constexpr double kTroyOunce = 0.0311034768;

// Standard gravity in metres per second², and the pound-force in newtons.
constexpr double kGravity = 9.80665;
constexpr double kPoundForce = kPound * kGravity;

// Volumes in litres.
constexpr double kUsGallon = 3.785411784;
constexpr double kUkGallon = 4.54609;
constexpr double kUsDryGallon = 4.40488377086;

// Energies in joules: thermochemical units for energy, International Table
// units for power.
constexpr double kCalorie = 4.184;
constexpr double kBtu = 1054.3503;
constexpr double kTableCalorie = 4.1868;
constexpr double kTableBtu = 1055.05585262;
constexpr double kFootPound = kFoot * kPoundForce;
constexpr double kTherm = 105480400.0;

// Powers in watts.
constexpr double kHorsepower = 745.69987158227022;
constexpr double kMetricHorsepower = 735.49875;

// Pressures in pascals.
constexpr double kTonneForcePerSquareCentimetre = 98066500.0;
constexpr double kAtmosphere = 101325.0;
constexpr double kInchOfMercury = 3386.38864;

// Speeds in kilometres per second.
constexpr double kSpeedOfLight = 299792.458;
constexpr double kSpeedOfSound = 0.34029;

// The mean tropical year in days.
constexpr double kYear = 365.24219878;

constexpr double PowerOfTwo(int exponent)
{
    return static_cast<double>(std::uint64_t{1} << exponent);
}

// Names with a number are string-table entries (units.txt); the others have
// no entry and carry their text here.
constexpr UnitDefinition kAcceleration[] = {
    {L"Meters per second²", L"m/s²", 1.0},
    {L"Gravity", L"g", 1.0 / kGravity},
    {L"Feet per second²", L"ft/s²", 1.0 / kFoot},
    {L"Inches per second²", L"in/s²", 1.0 / kInch},
    {L"Galileos", L"gal", 100.0},
    {L"Leos", L"leo", 0.1},
};

constexpr UnitDefinition kAngle[] = {
    {1001, 1002, 360.0},  // Degrees
    {1003, 1004, 2.0 * std::numbers::pi},  // Radians
    {1005, 1006, 400.0},  // Gradians
    {1007, 1008, 21600.0},  // Minutes
    {1009, 1010, 1296000.0},  // Seconds
    {1011, 1012, 1.0},  // Circles
    {1013, 1014, 4.0},  // Quadrants
    {1015, 1016, 32.0},  // Points
    {1017, 1018, 6400.0},  // Mil
};

constexpr UnitDefinition kArea[] = {
    {1019, 1020, 43560.0},  // Acres
    {1021, 1022, 10000.0 / (kFoot * kFoot)},  // Hectares
    {1023, 1024, 1e6 / (kFoot * kFoot)},  // Square kilometers
    {1025, 1026, 1.0 / (kFoot * kFoot)},  // Square meters
    {1027, 1028, 1e-4 / (kFoot * kFoot)},  // Square centimeters
    {1029, 1030, 1e-6 / (kFoot * kFoot)},  // Square millimeters
    {1031, 1032, 27878400.0},  // Square miles
    {1033, 1034, 9.0},  // Square yards
    {1035, 1036, 1.0},  // Square feet
    {1037, 1038, 1.0 / 144.0},  // Square inches
    {L"Square miles (survey)", L"mi² (survey)", 27878400.0 * (kSurveyFoot / kFoot) * (kSurveyFoot / kFoot)},
    {L"Square feet (survey)", L"ft² (survey)", (kSurveyFoot / kFoot) * (kSurveyFoot / kFoot)},
    {L"Square inches (survey)", L"in² (survey)", (kSurveyFoot / kFoot) * (kSurveyFoot / kFoot) / 144.0},
};

constexpr UnitDefinition kCooking[] = {
    {1039, 1040, 1.0},  // Gallons (US)
    {1041, 1042, kUsGallon / kUkGallon},  // Gallons (UK)
    {1043, 1044, 4.0},  // Quarts (US)
    {1045, 1046, 4.0 * kUsGallon / kUkGallon},  // Quarts (UK)
    {1047, 1048, 16.0},  // Cups (US)
    {1049, 1050, 4.0 * kUsGallon},  // Cups (metric)
    {1051, 1052, 128.0},  // Fluid ounces (US)
    {1053, 1054, 160.0 * kUsGallon / kUkGallon},  // Fluid ounces (UK)
    {1055, 1056, 256.0},  // Tablespoon
    {1057, 1058, 768.0},  // Teaspoon
    {1059, 1060, kUsGallon},  // Liters
    {1600, 1601, 100.0 * kUsGallon},  // Centiliters
    {1061, 1062, 1000.0 * kUsGallon},  // Milliliters
    {1063, 1064, 8.0},  // Pints (US)
    {1065, 1066, 8.0 * kUsGallon / kUkGallon},  // Pints (UK)
};

constexpr UnitDefinition kDataStorage[] = {
    {1067, 1067, 0.125},  // bit
    {1068, 1068, 1.0},  // byte
    {1069, 1070, PowerOfTwo(10)},  // kilobyte
    {1071, 1072, PowerOfTwo(20)},  // megabyte
    {1073, 1074, PowerOfTwo(30)},  // gigabyte
    {1075, 1076, PowerOfTwo(40)},  // terabyte
    {1077, 1078, PowerOfTwo(50)},  // petabyte
    {1079, 1080, PowerOfTwo(60)},  // exabyte
    {1081, 1081, 2.0},  // Word
    {1082, 1082, 4.0},  // Dword
    {1083, 1083, 8.0},  // Qword
    {1084, 1085, 1457664.0},  // 3.5 Floppy (HD)
    {1086, L"CD74", 681058304.0},  // CD (74min)
    {1087, L"CD80", 736279247.0},  // CD (80min)
    {1088, L"DVD-R", 4700000000.0},  // DVD-R
    {L"DVD-R Dual Layer", L"DVD-R DL", 8500000000.0},
    {L"DVD+R", L"DVD+R", 4700372992.0},
};

constexpr UnitDefinition kDensity[] = {
    {L"Grams per cm³", L"g/cm³", 0.001},
    {L"Grams per m³", L"g/m³", 1000.0},
    {L"Grams per liter", L"g/l", 1.0},
    {L"Kilograms per m³", L"kg/m³", 1.0},
    {L"Ounces per inch³", L"oz/in³", kInch * kInch * kInch / kOunce},
    {L"Ounces per foot³", L"oz/ft³", kFoot * kFoot * kFoot / kOunce},
    {L"Pounds per inch³", L"lbs/in³", kInch * kInch * kInch / kPound},
    {L"Pounds per foot³", L"lbs/ft³", kFoot * kFoot * kFoot / kPound},
    {L"Water at 20°C", L"H2O (20°C)", 1.0 / 998.2},
};

constexpr UnitDefinition kEnergy[] = {
    {1089, 1090, 1.0 / kBtu},  // British thermal units
    {1091, 1092, 1.0 / kCalorie},  // Calories
    {1093, 1094, 1.0 / kFootPound},  // Foot pounds
    {1095, 1096, 1.0 / (3600.0 * kHorsepower)},  // HorsePower per hour
    {1097, 1098, 1.0},  // Joules
    {1099, 1100, 1.0 / (1000.0 * kCalorie)},  // Kilocalories
    {1101, 1102, 1.0 / kGravity},  // Kilogram meters
    {1103, 1104, 0.001},  // KiloJoules
    {1105, 1106, 1.0 / 3.6e6},  // Kilowatt hours
    {1107, 1108, 1.0 / kTherm},  // Therms
    {1109, 1110, 1.0 / 3600.0},  // Watt hours
    {1111, 1112, 1.0},  // Watt seconds
    {L"Erg", L"erg", 1e7},
};

constexpr UnitDefinition kForce[] = {
    {1113, 1114, 1e11},  // Dynes
    {1115, 1116, 1e9 / kGravity},  // Gram force
    {1117, 1118, 1e6 / kGravity},  // Kilogram force
    {1119, 1120, 1000.0},  // KiloNewtons
    {1121, 1122, 1.0},  // MegaNewtons
    {1123, 1124, 1e6},  // Newtons
    {1125, 1126, 1e6 / (kPoundForce / 16.0)},  // Ounce force
    {1127, 1128, 1e6 / kPoundForce},  // Pound force
    {1129, 1130, 1000.0 / kGravity},  // Tonnes force
    {1131, 1132, 1e6 / (2000.0 * kPoundForce)},  // Tons force (US)
    {1133, 1134, 1e6 / (2240.0 * kPoundForce)},  // Tons force (UK)
    {L"Kip-force", L"kip", 1000.0 / kPoundForce},
};

constexpr UnitDefinition kFuelEconomy[] = {
    {1135, 1136, -1.0},  // Liters per 100 km
    {1137, 1138, 100.0 * kUsGallon / kMile * 1000.0},  // Miles per gallon
    {1139, 1140, 100.0 * kUkGallon / kMile * 1000.0},  // Miles per gallon (UK)
    {1141, 1142, 100.0 * kUsGallon},  // Kilometers per gallon
    {1143, 1144, 100.0 * kUkGallon},  // Kilometers per gallon (UK)
    {1145, 1146, 100.0 / kMile * 1000.0},  // Miles per liter
    {1147, 1148, 100.0},  // Kilometers per liter
    {1149, 1150, -kMile / 1000.0 / kUsGallon},  // Gallons per 100 miles
    {1151, 1152, -1.0 / kUsGallon},  // Gallons per 100 km
    {1153, 1154, -kMile / 1000.0 / kUkGallon},  // Gallons per 100 miles (UK)
    {1155, 1156, -1.0 / kUkGallon},  // Gallons per 100 km (UK)
    {1157, 1158, -kMile / 1000.0},  // Liters per 100 miles
};

constexpr UnitDefinition kLength[] = {
    {1159, 1160, 0.001},  // Kilometers
    {1161, 1162, 1.0},  // Meters
    {1163, 1164, 100.0},  // Centimeters
    {1165, 1166, 10.0},  // Decimeters
    {1167, 1168, 1000.0},  // Millimeters
    {1169, 1170, 1e9},  // Nanometers
    {1171, 1172, 1.0 / (3.0 * kNauticalMile)},  // Leagues (nautical)
    {1173, 1174, 1.0 / kMile},  // Miles
    {1175, 1176, 1.0 / kNauticalMile},  // Nautical miles
    {1177, 1178, 1.0 / (3.0 * kFoot)},  // Yards
    {1179, 1180, 1.0 / kFoot},  // Feet
    {1181, 1182, 1.0 / kInch},  // Inches
    {L"Microinches", L"min", 1e6 / kInch},
    {L"Astronomical Units", L"AU", 1.0 / kAstronomicalUnit},
};

constexpr UnitDefinition kPower[] = {
    {L"Terawatts", L"TW", 1e-12},
    {1183, 1184, 1e-9},  // Gigawatts
    {1185, 1186, 1e-6},  // MegaWatts
    {1187, 1188, 0.001},  // Kilowatts
    {1189, 1190, 1.0},  // Watts
    {L"Milliwatts", L"mW", 1000.0},
    {1191, 1192, 1.0 / kMetricHorsepower},  // Horse Power (metric)
    {1193, 1194, 1.0 / kHorsepower},  // Horse Power (IT)
    {1195, 1196, 1.0 / kTableCalorie},  // Calories per sec
    {1197, 1198, 60.0 / kTableCalorie},  // Calories per min
    {1199, 1200, 3600.0 / kTableCalorie},  // Calories per hour
    {1201, 1202, 1.0 / kTableBtu},  // Btu per second
    {1203, 1204, 60.0 / kTableBtu},  // Btu per minute
    {1205, 1206, 3600.0 / kTableBtu},  // Btu per hour
    {1207, 1208, 1.0 / kFootPound},  // Foot pounds per sec
    {1209, 1210, 60.0 / kFootPound},  // Foot pounds per min
    {L"Foot pounds per hour", L"ft·lbf/hr", 3600.0 / kFootPound},
};

constexpr UnitDefinition kPressure[] = {
    {1211, 1212, 1e7},  // Kilogram force per m²
    {1213, 1214, 1000.0},  // Kilogram force per cm²
    {1215, 1216, 10.0},  // Kilogram force per mm²
    {1217, 1218, kTonneForcePerSquareCentimetre},  // Newtons per m²
    {1219, 1220, kTonneForcePerSquareCentimetre / 1e4},  // Newtons per cm²
    {1221, 1222, kTonneForcePerSquareCentimetre / 1e6},  // Newtons per mm²
    {1223, 1224, kTonneForcePerSquareCentimetre / 1e5},  // Bars
    {1225, 1226, kTonneForcePerSquareCentimetre / 100.0},  // Millibars
    {1227, 1228, kTonneForcePerSquareCentimetre},  // Pascals
    {1229, 1230, kTonneForcePerSquareCentimetre / 100.0},  // Hectopascals
    {1231, 1232, kTonneForcePerSquareCentimetre / kAtmosphere},  // Atmospheres
    {1233, 1234, kTonneForcePerSquareCentimetre / (kAtmosphere / 760.0)},  // Torrs
    {1235, 1236, kTonneForcePerSquareCentimetre / kInchOfMercury},  // Inches of Mercury
    {1237, 1238, kTonneForcePerSquareCentimetre * kFoot * kFoot / kPoundForce},  // Pounds force per ft²
    {1239, 1240, kTonneForcePerSquareCentimetre * kInch * kInch / kPoundForce},  // Pounds force per in²
    {1241, 1242, kTonneForcePerSquareCentimetre * kFoot * kFoot / (2000.0 * kPoundForce)},  // Tons (US) per ft²
    {1243, 1244, kTonneForcePerSquareCentimetre * kInch * kInch / (2000.0 * kPoundForce)},  // Tons (US) per in²
    {1245, 1246, kTonneForcePerSquareCentimetre * kFoot * kFoot / (2240.0 * kPoundForce)},  // Tons (UK) per ft²
    {1247, 1248, kTonneForcePerSquareCentimetre * kInch * kInch / (2240.0 * kPoundForce)},  // Tons (UK) per in²
    {1249, 1250, 10000.0},  // Tonnes per m²
    {1251, 1252, 1.0},  // Tonnes per cm²
};

constexpr UnitDefinition kSpeed[] = {
    {1253, 1254, 60000.0 / kFoot},  // Feet per minute
    {1255, 1256, 1000.0 / kFoot},  // Feet per second
    {1257, 1258, 1000.0 / kInch},  // Inches per second
    {1259, 1260, 3600.0},  // Kilometers per hour
    {L"Kilometers per minute", L"km/min", 60.0},
    {1261, 1262, 1.0},  // Kilometers per second
    {1263, 1264, 3.6e6 / kNauticalMile},  // Knots
    {1265, 1266, 60000.0},  // Meters per minute
    {1267, 1268, 1000.0},  // Meters per second
    {1269, 1270, 3.6e6 / kMile},  // Miles per hour
    {1271, 1272, 1.0 / kSpeedOfLight},  // Speed of light
    {1273, 1274, 1.0 / kSpeedOfSound},  // Speed of sound
};

constexpr UnitDefinition kTemperature[] = {
    {1275, 1276},  // Celsius
    {1277, 1278},  // Fahrenheit
    {1279, 1280},  // Kelvin
    {1281, 1282},  // Rankine
    {L"Réaumur", L"°Ré"},
};

constexpr UnitDefinition kTime[] = {
    {1283, 1284, 86400e9},  // Nanoseconds
    {1285, 1286, 86400e3},  // Milliseconds
    {1287, 1288, 86400.0},  // Seconds
    {1289, 1290, 1440.0},  // Minutes
    {1291, 1292, 24.0},  // Hours
    {1293, 1294, 1.0},  // Days
    {1295, 1296, 0.6},  // Work Weeks (40 hours)
    {1297, 1298, 1.0 / 7.0},  // Weeks
    {1299, 1300, 12.0 / kYear},  // Months
    {1301, 1302, 1.0 / kYear},  // Years
    {1303, 1304, 1.0 / (10.0 * kYear)},  // Decades
    {1305, 1306, 1.0 / (100.0 * kYear)},  // Centuries
    {1307, 1308, 1.0 / (1000.0 * kYear)},  // Millenniums
};

constexpr UnitDefinition kTorque[] = {
    {L"Newton·Meter", L"N·m", kFootPound},
    {L"Foot·Pound", L"ft·lbs", 1.0},
    {L"Kilogram·Meter", L"kg·m", kFootPound / kGravity},
    {L"Kilogram·Centimeter", L"kg·cm", 100.0 * kFootPound / kGravity},
    {L"Gram·Centimeter", L"g·cm", 1e5 * kFootPound / kGravity},
    {L"Inch·Pound", L"in·lbs", 12.0},
    {L"Inch·Ounce", L"in·oz", 192.0},
    {L"Dyne·Centimeter", L"dyne·cm", 1e7 * kFootPound},
};

constexpr UnitDefinition kVolume[] = {
    {1309, 1310, 1.0},  // Gallons, liquid (US)
    {1311, 1312, kUsGallon / kUsDryGallon},  // Gallons, dry (US)
    {1313, 1314, kUsGallon / kUkGallon},  // Gallons (UK)
    {1315, 1316, 4.0},  // Quarts, liquid (US)
    {1317, 1318, 4.0 * kUsGallon / kUsDryGallon},  // Quarts, dry (US)
    {1319, 1320, 4.0 * kUsGallon / kUkGallon},  // Quarts (UK)
    {1321, 1322, 8.0},  // Pints, liquid (US)
    {1323, 1324, 8.0 * kUsGallon / kUsDryGallon},  // Pints, dry (US)
    {1325, 1326, 8.0 * kUsGallon / kUkGallon},  // Pints (UK)
    {1327, 1328, 16.0},  // Cups (US)
    {1329, 1330, 4.0 * kUsGallon},  // Cups (metric)
    {1331, 1332, 128.0},  // Fluid ounces (US)
    {1333, 1334, 160.0 * kUsGallon / kUkGallon},  // Fluid ounces (UK)
    {1335, 1336, 231.0 / 1728.0},  // Cubic feet
    {1337, 1338, 231.0},  // Cubic inches
    {1339, 1340, kUsGallon},  // Liters
    {1341, 1342, 100.0 * kUsGallon},  // Centiliters
    {1343, 1344, 1000.0 * kUsGallon},  // Milliliters
    {1345, 1346, kUsGallon / 1000.0},  // Cubic meters
    {1347, 1348, 1000.0 * kUsGallon},  // Cubic centimeters
    {1349, 1350, 1e6 * kUsGallon},  // Cubic millimeters
};

constexpr UnitDefinition kWeight[] = {
    {1351, 1352, 1000.0},  // Grams
    {1353, 1354, 1.0},  // Kilograms
    {1355, 1356, 1.0 / kOunce},  // Ounces
    {1357, 1358, 1.0 / kTroyOunce},  // Ounces (troy)
    {1359, 1360, 1.0 / kPound},  // Pounds
    {1361, 1362, 1.0 / (12.0 * kTroyOunce)},  // Troy pounds
    {1363, 1364, 0.001},  // Tonnes
    {1365, 1366, 1.0 / (2000.0 * kPound)},  // Tons (US short)
    {1367, 1368, 1.0 / (2240.0 * kPound)},  // Tons (UK long)
    {1369, 1370, 1.0 / (14.0 * kPound)},  // Stones
    {1371, 1372, 1.0 / (100.0 * kPound)},  // Hundredweights (US short)
    {1373, 1374, 1.0 / (112.0 * kPound)},  // Hundredweights (UK long)
};

constexpr CategoryDefinition kCategories[] = {
    {417, FactorConvention::Count, kAcceleration},
    {414, FactorConvention::Count, kAngle},
    {407, FactorConvention::Size, kArea},
    {405, FactorConvention::Count, kCooking},
    {406, FactorConvention::Size, kDataStorage},
    {416, FactorConvention::Count, kDensity},
    {408, FactorConvention::Count, kEnergy},
    {410, FactorConvention::Count, kForce},
    {412, FactorConvention::Signed, kFuelEconomy},
    {400, FactorConvention::Count, kLength},
    {409, FactorConvention::Count, kPower},
    {411, FactorConvention::Count, kPressure},
    {402, FactorConvention::Count, kSpeed},
    {401, FactorConvention::Temperature, kTemperature},
    {413, FactorConvention::Count, kTime},
    {415, FactorConvention::Count, kTorque},
    {403, FactorConvention::Count, kVolume},
    {404, FactorConvention::Count, kWeight},
};

}  // namespace

std::span<const CategoryDefinition> UnitCatalogue()
{
    return kCategories;
}

}  // namespace tallyx
