// The performance tables the fuel computation runs on: the climb and
// descent profiles and the cruise table, shared by every aircraft (a
// profile is shifted by the aircraft's empty weight; tanks and empty
// weights are in the aircraft's row, core/aircraft.h).
#pragma once

#include <cstdint>

namespace fuel {

// One level of a climb or descent profile. For a weight step n the
// cumulative distance is n * distanceSlope + distanceBaseNm, and likewise
// for the fuel.
struct ProfileLevel {
    float distanceSlope;
    float distanceBaseNm;
    float fuelSlope;
    float fuelBaseKg;
};

// Level k at k * 1000 ft; cumulative from the ground.
inline constexpr int kClimbLevels = 34;
inline constexpr ProfileLevel kClimbProfile[kClimbLevels] = {
    {0.0f, 0.0f, 0.0f, 0.0f},         {0.059f, 1.3f, 4.2f, 66.0f},
    {0.083f, 2.2f, 5.38f, 124.0f},    {0.124f, 3.1f, 7.4f, 178.0f},
    {0.118f, 5.2f, 7.46f, 279.0f},    {0.207f, 7.0f, 11.78f, 336.0f},
    {0.284f, 8.0f, 4.02f, 368.0f},    {0.308f, 9.1f, 14.79f, 398.0f},
    {0.343f, 10.1f, 15.62f, 428.0f},  {0.367f, 11.3f, 16.45f, 459.0f},
    {0.402f, 12.5f, 17.28f, 491.0f},  {0.479f, 15.3f, 18.99f, 560.0f},
    {0.515f, 17.0f, 19.88f, 597.0f},  {0.538f, 18.3f, 20.47f, 625.0f},
    {0.58f, 19.5f, 21.36f, 651.0f},   {0.627f, 20.9f, 22.19f, 680.0f},
    {0.669f, 22.5f, 23.08f, 711.0f},  {0.71f, 24.2f, 23.85f, 743.0f},
    {0.751f, 25.9f, 24.62f, 774.0f},  {0.799f, 27.6f, 25.27f, 806.0f},
    {0.846f, 29.4f, 26.21f, 836.0f},  {0.899f, 31.4f, 27.04f, 868.0f},
    {0.947f, 33.5f, 27.87f, 901.0f},  {1.012f, 35.6f, 28.82f, 934.0f},
    {1.077f, 37.8f, 29.7f, 967.0f},   {1.148f, 40.2f, 30.77f, 1000.0f},
    {1.213f, 42.9f, 31.66f, 1036.0f}, {1.302f, 45.6f, 32.72f, 1072.0f},
    {1.396f, 48.7f, 33.91f, 1109.0f}, {1.503f, 52.2f, 35.09f, 1150.0f},
    {1.633f, 56.1f, 36.57f, 1192.0f}, {1.763f, 60.5f, 37.87f, 1238.0f},
    {1.864f, 64.7f, 38.88f, 1279.0f}, {1.982f, 69.5f, 40.06f, 1319.0f},
};

// Level k at 33000 - k * 1000 ft; cumulative from 33000 ft down.
inline constexpr int kDescentLevels = 32;
inline constexpr ProfileLevel kDescentProfile[kDescentLevels] = {
    {0.0f, 0.0f, 0.0f, 0.0f},        {-0.027f, 3.1f, 0.0f, 6.0f},
    {-0.014f, 4.6f, -0.136f, 10.0f}, {0.0f, 5.9f, 0.0f, 12.0f},
    {0.041f, 7.0f, 0.0f, 15.0f},     {0.068f, 8.3f, 0.136f, 17.0f},
    {0.123f, 9.7f, 0.273f, 20.0f},   {0.204f, 11.4f, 0.409f, 24.0f},
    {0.204f, 13.6f, 0.409f, 29.0f},  {0.204f, 15.5f, 0.409f, 33.0f},
    {0.218f, 17.2f, 0.409f, 37.0f},  {0.232f, 18.8f, 0.409f, 41.0f},
    {0.259f, 20.5f, 0.545f, 45.0f},  {0.3f, 22.2f, 0.682f, 49.0f},
    {0.327f, 24.0f, 0.682f, 53.0f},  {0.354f, 25.7f, 0.818f, 57.0f},
    {0.382f, 27.5f, 0.954f, 61.0f},  {0.409f, 29.2f, 0.954f, 66.0f},
    {0.436f, 30.9f, 1.091f, 70.0f},  {0.463f, 32.6f, 1.091f, 75.0f},
    {0.491f, 34.4f, 1.227f, 79.0f},  {0.504f, 36.2f, 1.227f, 84.0f},
    {0.545f, 40.1f, 1.363f, 95.0f},  {0.586f, 43.6f, 1.499f, 106.0f},
    {0.613f, 46.2f, 1.499f, 115.0f}, {0.641f, 48.8f, 1.636f, 124.0f},
    {0.6f, 53.0f, 1.499f, 138.0f},   {0.6f, 57.1f, 1.499f, 153.0f},
    {0.613f, 61.0f, 1.499f, 169.0f}, {0.6f, 65.0f, 1.499f, 185.0f},
    {0.613f, 68.7f, 1.363f, 203.0f}, {0.6f, 73.5f, 1.363f, 228.0f},
};

// Cruise: true airspeed and fuel flow per engine (kg/h) by altitude
// (descending) and aircraft weight.
inline constexpr int kCruiseWeights = 7;
inline constexpr int32_t kCruiseWeightKg[kCruiseWeights] = {44000, 50000, 56000, 62000,
                                                            68000, 74000, 80000};

struct CruiseRow {
    int32_t altitudeFt;
    int32_t speedKt;
    int32_t flowKgPerHour[kCruiseWeights];
};

inline constexpr int kCruiseRows = 13;
inline constexpr CruiseRow kCruiseTable[kCruiseRows] = {
    {39000, 447, {918, 973, 1055, 1161, 1290, 1440, 1620}},
    {37000, 447, {969, 1014, 1073, 1156, 1263, 1380, 1500}},
    {35000, 450, {1035, 1073, 1120, 1181, 1265, 1370, 1490}},
    {33000, 454, {1116, 1148, 1188, 1236, 1299, 1380, 1485}},
    {31000, 458, {1205, 1234, 1268, 1308, 1358, 1421, 1498}},
    {29000, 459, {1287, 1311, 1341, 1378, 1420, 1471, 1533}},
    {28000, 452, {1279, 1303, 1333, 1370, 1412, 1464, 1522}},
    {27000, 445, {1277, 1302, 1332, 1367, 1408, 1458, 1513}},
    {26000, 438, {1274, 1301, 1331, 1365, 1405, 1453, 1507}},
    {25000, 432, {1272, 1299, 1329, 1364, 1403, 1449, 1501}},
    {23000, 419, {1279, 1301, 1327, 1360, 1399, 1445, 1495}},
    {21000, 406, {1291, 1313, 1338, 1367, 1401, 1442, 1491}},
    {19000, 394, {1303, 1324, 1350, 1379, 1413, 1452, 1496}},
};

}  // namespace fuel
