-- corvane.sql: the game database for Halvard.
--
-- The build turns this file into Corvane.db beside the executables. Three tables:
--   Targets        the 22 targets of the mission chart, with the route to each,
--                  zone by zone (fighter-wave modifier and terrain).
--   WaveSelection  one row per attacking fighter, keyed by the d66 wave roll.
--   Gunnery        to-hit number for each gun, attack position and fighter type.
--
-- The program reads every table in rowid order, so the order of the INSERTs
-- below matters: targets appear on the mission screen in this order, and the
-- fighters of a wave are placed in this order. See README.md in this directory
-- for the reasoning behind the numbers.

CREATE TABLE Targets (
  TargetName TEXT NOT NULL, ZoneCount INTEGER NOT NULL, TargetType TEXT NOT NULL, HeavyFlak INTEGER NOT NULL,
  "2Mod" INTEGER, "3Mod" INTEGER, "4Mod" INTEGER, "5Mod" INTEGER, "6Mod" INTEGER, "7Mod" INTEGER, "8Mod" INTEGER,
  "2Ter" TEXT, "3Ter" TEXT, "4Ter" TEXT, "5Ter" TEXT, "6Ter" TEXT, "7Ter" TEXT, "8Ter" TEXT);
CREATE TABLE WaveSelection (Roll INTEGER NOT NULL, Type TEXT NOT NULL, Position INTEGER NOT NULL, Special TEXT);
CREATE TABLE Gunnery (Gun INTEGER NOT NULL, Position INTEGER NOT NULL, Me109 INTEGER NOT NULL, Me110 INTEGER NOT NULL, FW190 INTEGER NOT NULL);

BEGIN;

-- =============================================================================
-- Targets, in mission-chart order.
-- ZoneCount is the zone the target lies in (zone 1 is the base in East Anglia).
-- HF (HeavyFlak) is 1 for a heavily defended target. nMod is added to the 1d6
-- waves-appearing roll in zone n; nTer is that zone's terrain. Zones beyond the
-- target are NULL.
--
--                          TargetName       Z  TargetType          HF   2Mod  3Mod  4Mod  5Mod  6Mod  7Mod  8Mod   2Ter     3Ter     4Ter     5Ter     6Ter     7Ter     8Ter
-- =============================================================================

-- Short raids: the Channel coast, northern France and the Low Countries
INSERT INTO Targets VALUES ('St. Omer',      2, 'Airfield',          0,     1, NULL, NULL, NULL, NULL, NULL, NULL,  'Land',  NULL,    NULL,    NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Cherbourg',     4, 'Docks',             0,    -1,    0,    1, NULL, NULL, NULL, NULL,  'Water', 'Water', 'Land',  NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Amiens',        3, 'Marshalling Yards', 0,     0,    1, NULL, NULL, NULL, NULL, NULL,  'Water', 'Land',  NULL,    NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Meaulte',       3, 'Aircraft Factory',  0,     0,    1, NULL, NULL, NULL, NULL, NULL,  'Water', 'Land',  NULL,    NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Abbeville',     3, 'Airfield',          0,     0,    1, NULL, NULL, NULL, NULL, NULL,  'Water', 'Land',  NULL,    NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Lille',         3, 'Industry',          0,     0,    1, NULL, NULL, NULL, NULL, NULL,  'Water', 'Land',  NULL,    NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Rotterdam',     3, 'Shipyards',         0,    -1,    1, NULL, NULL, NULL, NULL, NULL,  'Water', 'Land',  NULL,    NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Antwerp',       3, 'Aircraft Factory',  0,    -1,    1, NULL, NULL, NULL, NULL, NULL,  'Water', 'Land',  NULL,    NULL,    NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Rouen',         4, 'Marshalling Yards', 0,     0,    1,    1, NULL, NULL, NULL, NULL,  'Water', 'Land',  'Land',  NULL,    NULL,    NULL,    NULL);

-- Deep into France: Paris and beyond
INSERT INTO Targets VALUES ('Paris',         5, 'Industry',          1,     0,    1,    1,    2, NULL, NULL, NULL,  'Water', 'Land',  'Land',  'Land',  NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Romilly-S.S.',  6, 'Airfield/Depot',    0,     0,    1,    1,    1,    2, NULL, NULL,  'Water', 'Land',  'Land',  'Land',  'Land',  NULL,    NULL);

-- Brittany and the Biscay U-boat ports: down the Channel, round Ushant
INSERT INTO Targets VALUES ('Rennes',        5, 'Marshalling Yards', 0,    -1,    0,    0,    1, NULL, NULL, NULL,  'Water', 'Water', 'Water', 'Land',  NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Brest',         6, 'U-Boat Pens',       1,    -1,    0,    0,    1,    1, NULL, NULL,  'Water', 'Water', 'Water', 'Water', 'Land',  NULL,    NULL);
INSERT INTO Targets VALUES ('Lorient',       7, 'U-Boat Pens',       1,    -1,    0,    0,    0,    1,    1, NULL,  'Water', 'Water', 'Water', 'Water', 'Water', 'Land',  NULL);
INSERT INTO Targets VALUES ('St. Nazaire',   7, 'U-Boat Pens',       1,    -1,    0,    0,    0,    1,    1, NULL,  'Water', 'Water', 'Water', 'Water', 'Water', 'Land',  NULL);

-- Germany: across the North Sea, or over Holland to Hamm
INSERT INTO Targets VALUES ('Wilhelmshaven', 6, 'Naval Yards',       1,    -1,    0,    0,    1,    2, NULL, NULL,  'Water', 'Water', 'Water', 'Water', 'Land',  NULL,    NULL);
INSERT INTO Targets VALUES ('Emden',         5, 'Port',              1,    -1,    0,    1,    2, NULL, NULL, NULL,  'Water', 'Water', 'Water', 'Land',  NULL,    NULL,    NULL);
INSERT INTO Targets VALUES ('Vegesack',      6, 'Shipyards',         1,    -1,    0,    0,    1,    2, NULL, NULL,  'Water', 'Water', 'Water', 'Land',  'Land',  NULL,    NULL);
INSERT INTO Targets VALUES ('Bremen',        7, 'Aircraft Factory',  1,    -1,    0,    0,    1,    1,    2, NULL,  'Water', 'Water', 'Water', 'Water', 'Land',  'Land',  NULL);
INSERT INTO Targets VALUES ('Hamm',          6, 'Marshalling Yards', 1,    -1,    1,    1,    1,    2, NULL, NULL,  'Water', 'Land',  'Land',  'Land',  'Land',  NULL,    NULL);

-- The far end of the chart: eight zones out
INSERT INTO Targets VALUES ('La Rochelle',   8, 'U-Boat Pens',       0,    -1,    0,    0,    0,    0,    1,    1,  'Water', 'Water', 'Water', 'Water', 'Water', 'Water', 'Land');
INSERT INTO Targets VALUES ('Kiel',          8, 'Shipyards',         1,    -1,    0,    0,    0,    1,    1,    2,  'Water', 'Water', 'Water', 'Water', 'Water', 'Land',  'Land');

-- =============================================================================
-- WaveSelection: the fighters of one wave, by d66 roll (tens die, units die).
-- Columns: Roll, Type, Position (1-20, named in the trailing comment), Special.
-- Rolls 16, 26, 36, 46 and 56 (no attackers) and 66 (roll again) have no rows.
-- Special: B or D = the escort cannot chase this fighter off (B breaks through
-- the escort screen, D dives through it from above); E = a marked fighter, an
-- ace. Every roll has one to five rows; the program adds a sixth fighter itself
-- when the Corvane flies as lead or tail bomber.
-- =============================================================================

-- Rolls 11-15: one to three Me109s, the Staffeln on patrol
INSERT INTO WaveSelection VALUES (11, 'Me109',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (12, 'Me109', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (12, 'Me109', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (13, 'Me109',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (13, 'Me109',  4, NULL);  -- 1:30 High
INSERT INTO WaveSelection VALUES (14, 'Me109', 17, NULL);  -- 10:30 Level
INSERT INTO WaveSelection VALUES (14, 'Me109', 12, NULL);  -- 6 Low
INSERT INTO WaveSelection VALUES (15, 'Me109',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (15, 'Me109', 16, NULL);  -- 10:30 High
INSERT INTO WaveSelection VALUES (15, 'Me109', 10, NULL);  -- 6 High

-- Rolls 21-25: pairs and threes, the first FW190
INSERT INTO WaveSelection VALUES (21, 'Me109',  5, NULL);  -- 1:30 Level
INSERT INTO WaveSelection VALUES (21, 'Me109', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (22, 'Me109',  3, NULL);  -- 12 Low
INSERT INTO WaveSelection VALUES (22, 'Me109', 18, NULL);  -- 10:30 Low
INSERT INTO WaveSelection VALUES (22, 'Me109',  8, NULL);  -- 3 Level
INSERT INTO WaveSelection VALUES (23, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (23, 'Me109', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (23, 'Me109', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (24, 'Me109', 16, NULL);  -- 10:30 High
INSERT INTO WaveSelection VALUES (24, 'Me109',  4, NULL);  -- 1:30 High
INSERT INTO WaveSelection VALUES (24, 'Me109', 14, NULL);  -- 9 Level
INSERT INTO WaveSelection VALUES (25, 'Me109',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (25, 'Me109',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (25, 'Me109', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (25, 'Me109', 20, 'D' );  -- Vertical Dive

-- Rolls 31-35: mixed waves; the first Me110s, from behind and the beam
INSERT INTO WaveSelection VALUES (31, 'Me110', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (31, 'Me110', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (32, 'Me109',  4, NULL);  -- 1:30 High
INSERT INTO WaveSelection VALUES (32, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (32, 'Me109', 12, NULL);  -- 6 Low
INSERT INTO WaveSelection VALUES (33, 'FW190',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (33, 'Me109', 17, NULL);  -- 10:30 Level
INSERT INTO WaveSelection VALUES (33, 'Me109', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (33, 'Me109',  7, 'E' );  -- 3 High
INSERT INTO WaveSelection VALUES (34, 'Me110', 13, NULL);  -- 9 High
INSERT INTO WaveSelection VALUES (34, 'Me110',  8, NULL);  -- 3 Level
INSERT INTO WaveSelection VALUES (34, 'Me109', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (35, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (35, 'FW190',  5, NULL);  -- 1:30 Level
INSERT INTO WaveSelection VALUES (35, 'Me109', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (35, 'Me109', 15, NULL);  -- 9 Low

-- Rolls 41-45: three to five fighters, FW190s leading
INSERT INTO WaveSelection VALUES (41, 'FW190',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (41, 'Me109', 16, 'B' );  -- 10:30 High
INSERT INTO WaveSelection VALUES (41, 'Me109', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (42, 'Me110', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (42, 'Me110', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (42, 'Me110', 12, NULL);  -- 6 Low
INSERT INTO WaveSelection VALUES (42, 'Me109',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (43, 'FW190',  2, 'E' );  -- 12 Level
INSERT INTO WaveSelection VALUES (43, 'FW190',  3, NULL);  -- 12 Low
INSERT INTO WaveSelection VALUES (43, 'Me109',  6, NULL);  -- 1:30 Low
INSERT INTO WaveSelection VALUES (43, 'Me109', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (44, 'Me109',  4, NULL);  -- 1:30 High
INSERT INTO WaveSelection VALUES (44, 'Me109', 17, NULL);  -- 10:30 Level
INSERT INTO WaveSelection VALUES (44, 'FW190', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (44, 'FW190',  9, NULL);  -- 3 Low
INSERT INTO WaveSelection VALUES (45, 'FW190',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (45, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (45, 'Me109', 18, NULL);  -- 10:30 Low
INSERT INTO WaveSelection VALUES (45, 'Me109', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (45, 'Me109', 19, 'B' );  -- Vertical Climb

-- Rolls 51-55: FW190 Gruppen, head-on
INSERT INTO WaveSelection VALUES (51, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (51, 'FW190',  4, NULL);  -- 1:30 High
INSERT INTO WaveSelection VALUES (51, 'FW190', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (52, 'FW190',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (52, 'FW190', 16, NULL);  -- 10:30 High
INSERT INTO WaveSelection VALUES (52, 'FW190', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (52, 'Me109', 14, NULL);  -- 9 Level
INSERT INTO WaveSelection VALUES (53, 'Me110', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (53, 'Me110',  7, NULL);  -- 3 High
INSERT INTO WaveSelection VALUES (53, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (53, 'FW190',  3, NULL);  -- 12 Low
INSERT INTO WaveSelection VALUES (54, 'FW190',  2, 'D' );  -- 12 Level
INSERT INTO WaveSelection VALUES (54, 'FW190',  5, NULL);  -- 1:30 Level
INSERT INTO WaveSelection VALUES (54, 'FW190', 17, NULL);  -- 10:30 Level
INSERT INTO WaveSelection VALUES (54, 'FW190', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (55, 'FW190',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (55, 'FW190',  4, NULL);  -- 1:30 High
INSERT INTO WaveSelection VALUES (55, 'FW190', 16, NULL);  -- 10:30 High
INSERT INTO WaveSelection VALUES (55, 'FW190', 12, NULL);  -- 6 Low
INSERT INTO WaveSelection VALUES (55, 'Me109', 20, 'D' );  -- Vertical Dive

-- Rolls 61-65: the big waves, four and five fighters
INSERT INTO WaveSelection VALUES (61, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (61, 'FW190',  3, NULL);  -- 12 Low
INSERT INTO WaveSelection VALUES (61, 'FW190',  5, NULL);  -- 1:30 Level
INSERT INTO WaveSelection VALUES (61, 'FW190', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (62, 'FW190',  1, 'B' );  -- 12 High
INSERT INTO WaveSelection VALUES (62, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (62, 'FW190', 17, NULL);  -- 10:30 Level
INSERT INTO WaveSelection VALUES (62, 'FW190', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (62, 'Me109', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (63, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (63, 'FW190',  4, NULL);  -- 1:30 High
INSERT INTO WaveSelection VALUES (63, 'FW190', 18, NULL);  -- 10:30 Low
INSERT INTO WaveSelection VALUES (63, 'FW190', 10, NULL);  -- 6 High
INSERT INTO WaveSelection VALUES (63, 'FW190', 12, NULL);  -- 6 Low
INSERT INTO WaveSelection VALUES (64, 'Me110', 11, NULL);  -- 6 Level
INSERT INTO WaveSelection VALUES (64, 'Me110', 13, NULL);  -- 9 High
INSERT INTO WaveSelection VALUES (64, 'Me110',  8, NULL);  -- 3 Level
INSERT INTO WaveSelection VALUES (64, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (64, 'FW190',  1, NULL);  -- 12 High
INSERT INTO WaveSelection VALUES (65, 'FW190',  1, 'E' );  -- 12 High
INSERT INTO WaveSelection VALUES (65, 'FW190',  2, NULL);  -- 12 Level
INSERT INTO WaveSelection VALUES (65, 'FW190',  5, NULL);  -- 1:30 Level
INSERT INTO WaveSelection VALUES (65, 'FW190', 17, NULL);  -- 10:30 Level
INSERT INTO WaveSelection VALUES (65, 'FW190', 11, NULL);  -- 6 Level

-- =============================================================================
-- Gunnery: the least 1d6 roll that hits, per gun, attack position and fighter.
-- Columns: Gun, Position, Me109, Me110, FW190. No row = the gun cannot bear.
-- Twin-gun turrets (8, 9, 10) mostly need 4-5, hand-held guns 5-6; head-on and
-- tail shots are steadier than beam crossing shots; the FW190 is often one
-- harder than the Me109, the big Me110 often one easier.
-- =============================================================================

--  2 Nose Gun: one hand-held .50 in the glazed nose; dead ahead and just off the nose
INSERT INTO Gunnery VALUES ( 2,  1, 5, 5, 6);  -- 12 High
INSERT INTO Gunnery VALUES ( 2,  2, 5, 4, 5);  -- 12 Level
INSERT INTO Gunnery VALUES ( 2,  3, 5, 5, 6);  -- 12 Low
INSERT INTO Gunnery VALUES ( 2,  5, 6, 5, 6);  -- 1:30 Level
INSERT INTO Gunnery VALUES ( 2, 17, 6, 5, 6);  -- 10:30 Level

--  3 Port Cheek Gun: forward and to the left
INSERT INTO Gunnery VALUES ( 3,  1, 6, 5, 6);  -- 12 High
INSERT INTO Gunnery VALUES ( 3,  2, 5, 5, 6);  -- 12 Level
INSERT INTO Gunnery VALUES ( 3,  3, 6, 5, 6);  -- 12 Low
INSERT INTO Gunnery VALUES ( 3, 14, 6, 5, 6);  -- 9 Level
INSERT INTO Gunnery VALUES ( 3, 16, 5, 5, 6);  -- 10:30 High
INSERT INTO Gunnery VALUES ( 3, 17, 5, 4, 5);  -- 10:30 Level
INSERT INTO Gunnery VALUES ( 3, 18, 6, 5, 6);  -- 10:30 Low

--  4 Starboard Cheek Gun: forward and to the right
INSERT INTO Gunnery VALUES ( 4,  1, 6, 5, 6);  -- 12 High
INSERT INTO Gunnery VALUES ( 4,  2, 5, 5, 6);  -- 12 Level
INSERT INTO Gunnery VALUES ( 4,  3, 6, 5, 6);  -- 12 Low
INSERT INTO Gunnery VALUES ( 4,  4, 5, 5, 6);  -- 1:30 High
INSERT INTO Gunnery VALUES ( 4,  5, 5, 4, 5);  -- 1:30 Level
INSERT INTO Gunnery VALUES ( 4,  6, 6, 5, 6);  -- 1:30 Low
INSERT INTO Gunnery VALUES ( 4,  8, 6, 5, 6);  -- 3 Level

--  5 Radio Gun: up and back through the roof hatch; a narrow, awkward field
INSERT INTO Gunnery VALUES ( 5,  7, 6, 6, 6);  -- 3 High
INSERT INTO Gunnery VALUES ( 5, 10, 6, 5, 6);  -- 6 High
INSERT INTO Gunnery VALUES ( 5, 13, 6, 6, 6);  -- 9 High

--  6 Port Waist Gun: the 9 o'clock side, 10:30 and high astern
INSERT INTO Gunnery VALUES ( 6, 10, 6, 5, 6);  -- 6 High
INSERT INTO Gunnery VALUES ( 6, 13, 6, 5, 6);  -- 9 High
INSERT INTO Gunnery VALUES ( 6, 14, 5, 5, 6);  -- 9 Level
INSERT INTO Gunnery VALUES ( 6, 15, 6, 5, 6);  -- 9 Low
INSERT INTO Gunnery VALUES ( 6, 16, 6, 5, 6);  -- 10:30 High
INSERT INTO Gunnery VALUES ( 6, 17, 5, 5, 6);  -- 10:30 Level
INSERT INTO Gunnery VALUES ( 6, 18, 6, 6, 6);  -- 10:30 Low

--  7 Starboard Waist Gun: the 3 o'clock side, 1:30 and high astern
INSERT INTO Gunnery VALUES ( 7,  4, 6, 5, 6);  -- 1:30 High
INSERT INTO Gunnery VALUES ( 7,  5, 5, 5, 6);  -- 1:30 Level
INSERT INTO Gunnery VALUES ( 7,  6, 6, 6, 6);  -- 1:30 Low
INSERT INTO Gunnery VALUES ( 7,  7, 6, 5, 6);  -- 3 High
INSERT INTO Gunnery VALUES ( 7,  8, 5, 5, 6);  -- 3 Level
INSERT INTO Gunnery VALUES ( 7,  9, 6, 5, 6);  -- 3 Low
INSERT INTO Gunnery VALUES ( 7, 10, 6, 5, 6);  -- 6 High

--  8 Top Turret: twin .50s, powered; every High position, level ahead and abeam, the dive
INSERT INTO Gunnery VALUES ( 8,  1, 4, 4, 5);  -- 12 High
INSERT INTO Gunnery VALUES ( 8,  2, 5, 4, 5);  -- 12 Level
INSERT INTO Gunnery VALUES ( 8,  4, 4, 4, 5);  -- 1:30 High
INSERT INTO Gunnery VALUES ( 8,  5, 5, 4, 5);  -- 1:30 Level
INSERT INTO Gunnery VALUES ( 8,  7, 5, 4, 6);  -- 3 High
INSERT INTO Gunnery VALUES ( 8,  8, 5, 5, 6);  -- 3 Level
INSERT INTO Gunnery VALUES ( 8, 10, 4, 3, 4);  -- 6 High
INSERT INTO Gunnery VALUES ( 8, 13, 5, 4, 6);  -- 9 High
INSERT INTO Gunnery VALUES ( 8, 14, 5, 5, 6);  -- 9 Level
INSERT INTO Gunnery VALUES ( 8, 16, 4, 4, 5);  -- 10:30 High
INSERT INTO Gunnery VALUES ( 8, 17, 5, 4, 5);  -- 10:30 Level
INSERT INTO Gunnery VALUES ( 8, 20, 5, 5, 6);  -- Vertical Dive

--  9 Ball Turret: twin .50s, powered; every Low position, some level, the climb
INSERT INTO Gunnery VALUES ( 9,  3, 4, 4, 5);  -- 12 Low
INSERT INTO Gunnery VALUES ( 9,  6, 4, 4, 5);  -- 1:30 Low
INSERT INTO Gunnery VALUES ( 9,  8, 5, 5, 6);  -- 3 Level
INSERT INTO Gunnery VALUES ( 9,  9, 5, 4, 5);  -- 3 Low
INSERT INTO Gunnery VALUES ( 9, 11, 5, 4, 5);  -- 6 Level
INSERT INTO Gunnery VALUES ( 9, 12, 4, 3, 4);  -- 6 Low
INSERT INTO Gunnery VALUES ( 9, 14, 5, 5, 6);  -- 9 Level
INSERT INTO Gunnery VALUES ( 9, 15, 5, 4, 5);  -- 9 Low
INSERT INTO Gunnery VALUES ( 9, 18, 4, 4, 5);  -- 10:30 Low
INSERT INTO Gunnery VALUES ( 9, 19, 5, 4, 5);  -- Vertical Climb

-- 10 Tail Guns: twin .50s; the 6 o'clock attacks
INSERT INTO Gunnery VALUES (10, 10, 4, 4, 5);  -- 6 High
INSERT INTO Gunnery VALUES (10, 11, 4, 3, 4);  -- 6 Level
INSERT INTO Gunnery VALUES (10, 12, 4, 4, 5);  -- 6 Low

COMMIT;
