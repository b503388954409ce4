#pragma once
// Shared by the directory tests: a fresh folder per test, byte-exact file
// access and a scripted user for the overwrite questions.

#include "repertoire/questions.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace kalder::essai {

namespace fs = std::filesystem;

// Lines of the directory file, as saved.
inline const std::string ligne_paul = "\"Martin\",\"Paul\",\"3\",\"4\",\"1980\"\r\n";
inline const std::string ligne_luc = "\"Roy\",\"Luc\",\"\",\"\",\"\"\r\n";

class DossierTemporaire {
  public:
    DossierTemporaire() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nom = "kalder-repertoire-";
        if (info)
            nom += std::string(info->test_suite_name()) + "-" + info->name() + "-";
        for (char& c : nom)
            if (c == '/')
                c = '_';
        nom += std::to_string(std::random_device{}());
        chemin_ = fs::temp_directory_path() / nom;
        fs::remove_all(chemin_);
        fs::create_directories(chemin_);
    }
    ~DossierTemporaire() {
        std::error_code ec;
        // A test may have taken the write right away.
        for (auto it = fs::recursive_directory_iterator(chemin_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(chemin_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(chemin_, ec);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const fs::path& chemin() const { return chemin_; }

  private:
    fs::path chemin_;
};

inline std::string lire_octets(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void ecrire_octets(const fs::path& chemin, std::string_view octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

// The lock file that every save leaves is not counted: it holds no data.
inline std::vector<std::string> noms_dans(const fs::path& dossier) {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier))
        if (e.path().filename() != "Kalderrep.lock")
            noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

// Answers from a script, and remembers what it was asked.
class QuestionsScriptees : public Questions {
  public:
    explicit QuestionsScriptees(std::vector<bool> reponses = {}) : reponses_(std::move(reponses)) {}
    bool oui(const Message& question) override {
        posees.push_back(question);
        if (posees.size() > reponses_.size()) {
            ADD_FAILURE() << "question de trop : " << question.texte;
            return false;
        }
        return reponses_[posees.size() - 1];
    }
    std::vector<Message> posees;

  private:
    std::vector<bool> reponses_;
};

} // namespace kalder::essai
