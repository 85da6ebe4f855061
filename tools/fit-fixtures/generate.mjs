// Writes the FIT files the import tests read, with the Garmin FIT SDK's encoder, so the tests
// see files as a real encoder lays them out (its local types, its field order, its CRCs).
//
//   npm ci && node generate.mjs ../../tests/import/fixtures
//
// The values follow simple formulas of the record's second i; tests/import repeats them.
import * as fs from "node:fs";
import * as path from "node:path";
import { Encoder, Profile } from "@garmin/fitsdk";

const M = Profile.MesgNum;
// 2024-01-15 07:30:00 UTC: a winter ride, one hour behind Central European time.
export const START = Date.UTC(2024, 0, 15, 7, 30, 0);
const FIT_EPOCH_MS = 631065600000;
export const fitTime = (ms) => Math.round((ms - FIT_EPOCH_MS) / 1000);
const T0 = fitTime(START);
const FIRST = T0 + 5;  // the first record five seconds after the file was created

const LAT0 = 580000000;   // semicircles, about 48.6 degrees north
const LON0 = 110000000;   // about 9.2 degrees east

function fileId(encoder) {
    encoder.onMesg(M.FILE_ID, {
        type: "activity",
        manufacturer: "development",
        product: 1,
        serialNumber: 1234,
        timeCreated: T0,
    });
}

function timerEvent(encoder, timestamp, eventType) {
    encoder.onMesg(M.EVENT, { timestamp, event: "timer", eventType, eventGroup: 0 });
}

function lap(encoder, timestamp, startTime, elapsed, distance) {
    encoder.onMesg(M.LAP, {
        timestamp,
        startTime,
        totalElapsedTime: elapsed,
        totalTimerTime: elapsed,
        totalDistance: distance,
        event: "lap",
        eventType: "stop",
    });
}

function finish(encoder, timestamp, elapsed, distance, laps) {
    encoder.onMesg(M.SESSION, {
        timestamp,
        startTime: FIRST,
        totalElapsedTime: elapsed,
        totalTimerTime: elapsed,
        totalDistance: distance,
        sport: "cycling",
        subSport: "road",
        firstLapIndex: 0,
        numLaps: laps,
        event: "session",
        eventType: "stop",
    });
    encoder.onMesg(M.ACTIVITY, {
        timestamp,
        totalTimerTime: elapsed,
        numSessions: 1,
        type: "manual",
        event: "activity",
        eventType: "stop",
    });
}

// The full record of second i of a steady ride at 30 km/h.
export function steady(i) {
    return {
        timestamp: FIRST + i,
        positionLat: LAT0 + i * 100,
        positionLong: LON0 + i * 50,
        altitude: 100 + i * 0.2,
        heartRate: 120 + (i % 30),
        cadence: 85 + (i % 10),
        distance: i * 8.25,
        speed: 8.25,
        power: 200 + (i % 50),
        temperature: 18,
    };
}

// file_id, timer start, 300 records at 1 Hz, a lap after record 149 and one at the end.
function plainActivity() {
    const e = new Encoder();
    fileId(e);
    timerEvent(e, FIRST, "start");
    for (let i = 0; i < 300; ++i) {
        e.onMesg(M.RECORD, steady(i));
        if (i === 149) lap(e, FIRST + i, FIRST, 149, i * 8.25);
    }
    timerEvent(e, FIRST + 299, "stopAll");
    lap(e, FIRST + 299, FIRST + 149, 150, 299 * 8.25);
    finish(e, FIRST + 299, 299, 299 * 8.25, 2);
    return e.close();
}

// Smart recording: a record every 1 to 3 s while moving at 27 km/h (7.5 m/s); an auto-pause
// from second 200 to 320 without any record; a standstill from 500 to 560 with a record every
// 5 s at speed 0 and the same distance; moving again up to second 800.
// Each moving stretch ends with a record at its last second (200 and 800).
export function sparseSeconds() {
    const seconds = [];
    const moving = (from, to) => {
        for (let i = from; i < to; i += 1 + (i % 3)) seconds.push(i);
        seconds.push(to);
    };
    moving(0, 200);
    for (let i = 320; i < 500; i += 1 + (i % 3)) seconds.push(i);
    for (let i = 500; i <= 560; i += 5) seconds.push(i);
    moving(561, 800);
    return seconds;
}

// Distance (m) at second i of the sparse ride: no distance during the pause or the standstill.
export function sparseDistance(i) {
    if (i <= 200) return i * 7.5;
    if (i < 320) return 200 * 7.5;
    if (i <= 500) return (200 + (i - 320)) * 7.5;
    if (i <= 560) return 380 * 7.5;
    return (380 + (i - 560)) * 7.5;
}

function sparsePause() {
    const e = new Encoder();
    fileId(e);
    timerEvent(e, FIRST, "start");
    for (const i of sparseSeconds()) {
        const standing = i >= 500 && i <= 560;
        e.onMesg(M.RECORD, {
            timestamp: FIRST + i,
            positionLat: LAT0 + Math.round(sparseDistance(i) * 10),
            positionLong: LON0,
            altitude: 250,
            heartRate: standing ? 100 : 140,
            distance: sparseDistance(i),
            speed: standing ? 0 : 7.5,
        });
        if (i === 200) timerEvent(e, FIRST + i, "stopAll");
        if (i === 200) timerEvent(e, FIRST + 320, "start");
    }
    timerEvent(e, FIRST + 800, "stopAll");
    lap(e, FIRST + 800, FIRST, 800, sparseDistance(800));
    finish(e, FIRST + 800, 800, sparseDistance(800), 1);
    return e.close();
}

// 200 steady records that carry two developer fields (a uint16 and a float32) beside the
// standard ones, described by developer_data_id and field_description messages.
function developerFields() {
    const developerDataIdMesg = {
        developerDataIndex: 0,
        applicationId: Array.from({ length: 16 }, (_, k) => k + 1),
        applicationVersion: 1,
    };
    const doughnuts = {
        developerDataIndex: 0,
        fieldDefinitionNumber: 0,
        fitBaseTypeId: 0x84,  // uint16
        fieldName: "Doughnuts",
        units: "doughnuts",
        nativeMesgNum: M.RECORD,
    };
    const balance = {
        developerDataIndex: 0,
        fieldDefinitionNumber: 1,
        fitBaseTypeId: 0x88,  // float32
        fieldName: "Balance",
        units: "%",
        nativeMesgNum: M.RECORD,
    };
    const e = new Encoder({
        fieldDescriptions: {
            0: { developerDataIdMesg, fieldDescriptionMesg: doughnuts },
            1: { developerDataIdMesg, fieldDescriptionMesg: balance },
        },
    });
    fileId(e);
    e.onMesg(M.DEVELOPER_DATA_ID, developerDataIdMesg);
    e.onMesg(M.FIELD_DESCRIPTION, doughnuts);
    e.onMesg(M.FIELD_DESCRIPTION, balance);
    timerEvent(e, FIRST, "start");
    for (let i = 0; i < 200; ++i)
        e.onMesg(M.RECORD, { ...steady(i), developerFields: { 0: 1000 + i, 1: 50.5 } });
    lap(e, FIRST + 199, FIRST, 199, 199 * 8.25);
    finish(e, FIRST + 199, 199, 199 * 8.25, 1);
    return e.close();
}

// 200 records whose timestamp is the last field of the message.
function timestampLast() {
    const e = new Encoder();
    fileId(e);
    for (let i = 0; i < 200; ++i) {
        const { timestamp, ...rest } = steady(i);
        e.onMesg(M.RECORD, { ...rest, timestamp });
    }
    lap(e, FIRST + 199, FIRST, 199, 199 * 8.25);
    finish(e, FIRST + 199, 199, 199 * 8.25, 1);
    return e.close();
}

// The optional fields of record i: heart rate, power, cadence, temperature and altitude come
// and go in a pattern that runs through all 32 combinations, so the encoder redefines its
// 16 local types over and over.
export function mixedHas(i) {
    const combo = (i * 7) % 32;
    return {
        heartRate: (combo & 1) !== 0,
        power: (combo & 2) !== 0,
        cadence: (combo & 4) !== 0,
        temperature: (combo & 8) !== 0,
        altitude: (combo & 16) !== 0,
    };
}

function mixedFields() {
    const e = new Encoder();
    fileId(e);
    timerEvent(e, FIRST, "start");
    for (let i = 0; i < 320; ++i) {
        const full = steady(i);
        const has = mixedHas(i);
        const mesg = {
            timestamp: full.timestamp,
            positionLat: full.positionLat,
            positionLong: full.positionLong,
            distance: full.distance,
            speed: full.speed,
        };
        for (const key of Object.keys(has)) if (has[key]) mesg[key] = full[key];
        e.onMesg(M.RECORD, mesg);
    }
    lap(e, FIRST + 319, FIRST, 319, 319 * 8.25);
    finish(e, FIRST + 319, 319, 319 * 8.25, 1);
    return e.close();
}

// 100 steady records; every tenth holds the invalid value of each of its field types
// (altitude 0xFFFF, heart rate and cadence 0xFF, distance 0xFFFFFFFF, speed and power 0xFFFF,
// temperature 0x7F), written through the encoder's scaling.
export const isInvalidRecord = (i) => i % 10 === 5;

function invalidValues() {
    const e = new Encoder();
    fileId(e);
    for (let i = 0; i < 100; ++i) {
        const r = steady(i);
        if (isInvalidRecord(i)) {
            r.altitude = 65535 / 5 - 500;
            r.heartRate = 255;
            r.cadence = 255;
            r.distance = 4294967295 / 100;
            r.speed = 65.535;
            r.power = 65535;
            r.temperature = 127;
        }
        e.onMesg(M.RECORD, r);
    }
    return e.close();
}

// A steady 1 Hz ride of the given length, for the benchmark comparison.
export function longRide(seconds) {
    const e = new Encoder();
    fileId(e);
    timerEvent(e, FIRST, "start");
    for (let i = 0; i < seconds; ++i) {
        const r = steady(i % 36000);
        r.timestamp = FIRST + i;
        r.distance = i * 8.25;
        e.onMesg(M.RECORD, r);
    }
    lap(e, FIRST + seconds - 1, FIRST, seconds - 1, (seconds - 1) * 8.25);
    finish(e, FIRST + seconds - 1, seconds - 1, (seconds - 1) * 8.25, 1);
    return e.close();
}

const fixtures = {
    "plain_activity.fit": plainActivity,
    "sparse_pause.fit": sparsePause,
    "developer_fields.fit": developerFields,
    "timestamp_last.fit": timestampLast,
    "mixed_fields.fit": mixedFields,
    "invalid_values.fit": invalidValues,
};

if (process.argv[1] && path.resolve(process.argv[1]) === path.resolve(new URL(import.meta.url).pathname)) {
    const out = process.argv[2] ?? "../../tests/import/fixtures";
    fs.mkdirSync(out, { recursive: true });
    for (const [name, make] of Object.entries(fixtures)) {
        const bytes = make();
        fs.writeFileSync(path.join(out, name), bytes);
        console.log(`${name}: ${bytes.length} bytes`);
    }
}
