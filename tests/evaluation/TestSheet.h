#pragma once

#include "evaluation/BlowCounts.h"
#include "model/Protocol.h"

#include <memory>

// A small builder for evaluation fixtures: a DPL test under PN-B-04452 in
// the simplified mode, no correction of the top 50 cm, with layers and
// readings added in one line each.
struct LayerFields {
    double start = 0;          // m
    int16_t soil = 0;          // SoilType
    double u = NoValue;        // U
    double cu = NoValue;       // CU
    bool gradingKnown = false; // the well-graded question was answered
    bool wellGraded = false;
    bool topsoil = false;
    double mu = 1.0; // WspKor
};

class TestSheet {
public:
    TestSheet() : test_(std::make_unique<TProtocol>()) { test_->Sheet.CorrectMode = 0; }

    TestSheet& Probe(int probeType) {
        test_->ProbeType = static_cast<uint8_t>(probeType);
        return *this;
    }
    TestSheet& Norm(int norm) {
        test_->Sheet.Norm = static_cast<uint8_t>(norm);
        return *this;
    }
    TestSheet& Strict(bool strict = true) {
        test_->Sheet.Strict = strict;
        return *this;
    }
    TestSheet& CorrectMode(int mode) {
        test_->Sheet.CorrectMode = mode;
        return *this;
    }
    TestSheet& Water(double levelM) {
        test_->Profile.Water1 = levelM;
        return *this;
    }
    TestSheet& VaneKind(int kind) {
        test_->Sheet.VaneKind = static_cast<uint8_t>(kind);
        return *this;
    }
    // The profile ends at endM; layers added later reach down to it.
    TestSheet& ProfileEnd(double endM) {
        test_->Profile.End = endM;
        test_->Profile.Normalize();
        return *this;
    }
    TestSheet& Layer(const LayerFields& given) {
        auto layer = std::make_unique<TGeoProfileItem>(given.start, "", 0);
        layer->SoilType = given.soil;
        layer->U = given.u;
        layer->CU = given.cu;
        layer->GradingKnown = given.gradingKnown;
        layer->WellGraded = given.wellGraded;
        layer->Gleba = given.topsoil;
        layer->WspKor = given.mu;
        test_->Profile.AddLayer(std::move(layer));
        return *this;
    }
    TestSheet& Reading(double depthM, int blows) {
        test_->AddReading(depthM, blows, NoValue);
        return *this;
    }
    // The same blow count on every grid row from fromRow to toRow.
    TestSheet& Rows(int fromRow, int toRow, int blows) {
        for (int row = fromRow; row <= toRow; ++row)
            Reading(row * ReadingStep(*test_), blows);
        return *this;
    }

    TProtocol& operator*() { return *test_; }
    TProtocol* operator->() { return test_.get(); }

private:
    std::unique_ptr<TProtocol> test_;
};
