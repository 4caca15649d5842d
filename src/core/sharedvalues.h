#pragma once

#include "core/building.h"
#include "core/relazione.h"

#include <QString>
#include <QStringList>
#include <optional>

// A number passed between windows that can also have been never set or cleared. Only the
// building data file tells those two apart (null and an empty text); a window that takes the
// number finds nothing in either.
class SharedNumber {
  public:
    SharedNumber() = default; // never set
    SharedNumber(double value) : m_state(State::Number), m_number(value) {}
    static SharedNumber cleared() {
        SharedNumber n;
        n.m_state = State::Cleared;
        return n;
    }

    bool isNeverSet() const { return m_state == State::NeverSet; }
    bool isCleared() const { return m_state == State::Cleared; }
    std::optional<double> number() const {
        return m_state == State::Number ? std::optional<double>(m_number) : std::nullopt;
    }

    bool operator==(const SharedNumber& other) const {
        return m_state == other.m_state && m_number == other.m_number;
    }
    bool operator!=(const SharedNumber& other) const { return !(*this == other); }

  private:
    enum class State { NeverSet, Cleared, Number };
    State m_state = State::NeverSet;
    double m_number = 0.0;
};

// Values that live for the whole run and pass between windows.
struct SharedValues {
    // Total building weight P, tonnes, kept in single precision.
    float pesoEdificio = 0.0f;
    // Storey weights (tonnes) and heights above the foundation footing (m), as typed;
    // element 0 is storey 1.
    QStringList pesiPiani;
    QStringList quotePiani;
    // Storey whose distribution coefficient was computed, as typed: std::nullopt when never
    // set, an empty text when cleared. Either way it names no storey.
    std::optional<QString> numeroPiano;
    // Distribution coefficient of that storey.
    SharedNumber gammaPiano;

    // The building as entered once ("Dati dell'edificio"): project data and storeys, which
    // the questionnaires fill and offer again.
    building::Building edificio;

    // What the "Relazione di calcolo" was last composed with (sections and unit of forces);
    // nothing until it is composed once. The text itself is made again from the building.
    std::optional<relazione::Choices> relazioneCalcolo;

    // Clears the storey and its coefficient together, the one way every window does it.
    void clearStoreyCoefficient() {
        numeroPiano = QString();
        gammaPiano = SharedNumber::cleared();
    }
    // The storey, when one is named (neither never set nor cleared).
    std::optional<QString> namedStorey() const {
        if (!numeroPiano || numeroPiano->isEmpty())
            return std::nullopt;
        return numeroPiano;
    }
};
