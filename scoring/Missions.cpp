// The mission table, the rate a winner earns from it, and the mission panel.
#include "scoring/Missions.h"

#include "replay/Replay.h"

#include <QStringList>

const std::array<Mission, MissionCount>& Missions() {
    static const std::array<Mission, MissionCount> table = [] {
        std::array<Mission, MissionCount> t{};
        const QString text = QStringLiteral(
            "1광과 8광잡기/0,28,/2/*고도리 잡기/4,12,29,/3/*청단을 성공하라/21,33,37,/2/*"
            "홍단을 성공하라/1,5,9,/2/*초단을 성공하라/13,17,25,/2/*쌍피군단을 잡아랏/32,41,47,/3/*"
            "풍껍데기를 사수하라/38,39,/2/*7열 4열 사수하기/38,39,/2/*똥광 획득하기/40,/2/*"
            "밤에피는 장미보기/20,28,21,/3/*홍단 청단 초단/1,13,33,/3/*단풍속에 학잡기/38,0,39,/2/*"
            "단풍속에 학잡기/38,0,39,/2/*향기로운 봄꽃축제/10,4,11,/2/*노을이 지는풍경/2,28,3,/2/*"
            "꼭꼭숨어라 다보인다/18,24,19,/2/*");
        const QStringList entries = text.split(QLatin1Char('*'));
        for (int i = 0; i + 1 < entries.size() && i < 16; ++i) {
            const QStringList parts = entries[i].split(QLatin1Char('/'));
            t[size_t(i)].Goal = parts.value(0);
            t[size_t(i)].CardList = parts.value(1);
            t[size_t(i)].Rate = int16_t(parts.value(2).toInt());
        }
        return t;
    }();
    return table;
}

int MissionCards(const Mission& m, int16_t* out, int max) {
    int n = 0;
    const QStringView list(m.CardList);
    qsizetype from = 0;
    while (n < max) {
        const qsizetype at = list.indexOf(QLatin1Char(','), from);
        if (at < 0) break;
        int c = -1;
        ReadWhole(list.mid(from, at - from), c);
        out[n++] = int16_t(c);
        from = at + 1;
    }
    return n;
}

int Replay::MissionRate(int player) const {
    const int no = s.Round.MissionNo;
    if (no < 0 || no >= MissionCount) return 0;
    const Mission& m = Missions()[size_t(no)];
    int16_t cards[8];
    const int n = MissionCards(m, cards, 8);
    int have = 0;
    for (int i = 0; i < n; ++i)
        if (ValidCard(cards[i]) && s.Cards[size_t(cards[i])].Place == CapturedBase + player) ++have;
    return have == n ? m.Rate : 0;
}

void Replay::ShowMission() {
    if (s.View.MissionTag == 'T' || s.Round.MissionNo == -1) return;
    for (int f = 1; f <= 5; ++f) {
        if (recording()) push(Act::MissionFrame).index = int16_t(f);
        Pause(0.1);
    }
    const int no = s.Round.MissionNo;
    if (no >= 0 && no < MissionCount) {
        const Mission& m = Missions()[size_t(no)];
        s.View.MissionTitle = QStringLiteral("승리시 [") + QString::number(m.Rate) + QStringLiteral("배] 획득~");
        if (recording()) {
            SetLabel(LabelId::MissionTitle, -1, s.View.MissionTitle);
            Action& a = push(Act::MissionShow);
            a.index = m.Rate;
            int16_t cards[5];
            a.count = int8_t(MissionCards(m, cards, 5));
            for (int i = 0; i < a.count; ++i) a.cards[size_t(i)] = cards[i];
        }
    }
    s.View.MissionTag = 'T';
}
