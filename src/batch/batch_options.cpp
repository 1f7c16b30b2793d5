#include "batch/batch_options.h"

namespace bulbicalc {
namespace {

CommandLine usageError(const std::string& message)
{
    CommandLine line;
    line.kind = CommandLine::Kind::UsageError;
    line.text = "bulbicalc-lote: " + message + "\nUse bulbicalc-lote --ajuda para ver as opções.\n";
    return line;
}

} // namespace

std::string batchUsage()
{
    return "Uso: bulbicalc-lote [opções] ARQUIVO...\n"
           "\n"
           "Faz a recomendação de adubação de cada arquivo de laudo (no formato do\n"
           "Laudo.txt que o Bulbicalc salva), como no programa: abre o laudo, parcela o N\n"
           "e o K2O como propostos, seleciona os adubos padrão, calcula a formulação de\n"
           "menor custo de cada parcela e as recomendações gerais, e escreve os relatórios\n"
           "pedidos com o nome do laudo: talhao7.txt dá talhao7.pdf, talhao7.xlsx e\n"
           "talhao7.relatorio.txt (o relatório em texto tem nome próprio, para nunca\n"
           "ocupar o lugar de um laudo).\n"
           "\n"
           "Opções:\n"
           "  --txt              relatório em texto (.relatorio.txt)\n"
           "  --pdf              relatório em PDF (.pdf); o padrão sem outra opção\n"
           "  --xlsx             relatório em planilha (.xlsx)\n"
           "  --saida PASTA      escreve os relatórios em PASTA (padrão: ao lado de cada\n"
           "                     laudo); a pasta é criada se não existir\n"
           "  --catalogo PASTA   usa os catálogos e o modelo de planilha de PASTA em lugar\n"
           "                     da pasta Auxiliares do programa\n"
           "  --tecnico TEXTO    nome do técnico responsável/CREA\n"
           "  --prnt PRNT        calagem pelo método SMP (pH 6,0, ou o escolhido no\n"
           "                     programa) com um calcário desse PRNT (%), para a área do\n"
           "                     laudo; sem esta opção a calagem fica em branco, como no\n"
           "                     programa antes de adotar um método\n"
           "  --sacos            arredonda a formulação para sacos inteiros\n"
           "  --ajuda            mostra esta ajuda\n"
           "  --version          mostra a versão\n"
           "\n"

           "Saída: 0 quando todos os laudos deram certo, 1 quando algum falhou (uma linha\n"
           "por laudo, com o nome e a mensagem), 2 para um erro nas opções.\n";
}

CommandLine readCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    BatchOptions& o = line.options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            o.inputs.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        if (const auto equals = argument.find('=');
            argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        const bool isFlag = name == "--txt" || name == "--pdf" || name == "--xlsx" || name == "--sacos" ||
                            name == "--ajuda" || name == "--help" || name == "-h" || name == "--version";
        if (isFlag && value)
            return usageError("a opção " + name + " não leva valor");
        if (name == "--txt") {
            o.text = true;
        } else if (name == "--pdf") {
            o.pdf = true;
        } else if (name == "--xlsx") {
            o.spreadsheet = true;
        } else if (name == "--sacos") {
            o.wholeBags = true;
        } else if (name == "--ajuda" || name == "--help" || name == "-h") {
            line.kind = CommandLine::Kind::Print;
            line.text = batchUsage();
            return line;
        } else if (name == "--version") {
            line.kind = CommandLine::Kind::Print;
            line.text = "bulbicalc-lote 1.0\n";
            return line;
        } else if (name == "--saida" || name == "--catalogo" || name == "--tecnico" || name == "--prnt") {
            const auto given = takeValue();
            if (!given)
                return usageError("a opção " + name + " precisa de um valor");
            if (name == "--tecnico") {
                o.technician = *given;
            } else if (name == "--prnt") {
                // As the field takes it: a decimal point is a comma.
                std::string prnt = *given;
                for (char& c : prnt)
                    if (c == '.')
                        c = ',';
                o.prnt = prnt;
                if (prnt.empty() || prnt.find_first_not_of("0123456789,") != std::string::npos ||
                    prnt.find_first_of("123456789") == std::string::npos)
                    return usageError("a opção --prnt precisa de um PRNT maior que zero, como 85 ou 87,5");
            } else if (given->empty()) {
                return usageError("a opção " + name + " precisa de uma pasta");
            } else if (name == "--saida") {
                o.outputDir = *given;
            } else {
                o.catalogueDir = *given;
            }
        } else {
            return usageError("opção desconhecida: " + argument);
        }
    }
    if (o.inputs.empty())
        return usageError("nenhum arquivo de laudo");
    if (!o.text && !o.pdf && !o.spreadsheet)
        o.pdf = true;
    return line;
}

} // namespace bulbicalc
