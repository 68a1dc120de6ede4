// The FTP client of the program, built on libcurl. One control connection is kept open
// from Connetti to Disconnetti and reused by every request; the dialogue with the server
// (commands and replies, the password masked) goes to the observer as status texts.
#pragma once

#include <memory>
#include <string>

#include "ClientFtp.h"

namespace morella {

class TClientFtpCurl final : public TClientFtp {
   public:
    TClientFtpCurl();
    ~TClientFtpCurl() override;

    bool Connetti(const TParametriFtp& parametri) override;
    bool ImpostaBinario() override;
    bool CambiaDirectory(const std::string& directory) override;
    bool Scarica(const std::string& fileRemoto, const std::string& percorsoLocale,
                 const TProgressoFtp& progresso) override;
    void Disconnetti() override;
    bool Connesso() const override;

   private:
    struct TStato;  // libcurl stays out of this header
    std::unique_ptr<TStato> stato_;
};

}  // namespace morella
