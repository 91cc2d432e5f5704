#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the whole-life scripts of this folder: a pet raised from a fresh egg to the angel by
a keeper who only presses the toy's buttons, on a fixed routine timed to the pet's clock.

A script cannot look at the pet and decide, so each keeper is a routine repeated on the pet's
rhythm. The pet decides its needs once a pet hour (10 minutes) at the hour's third minute,
falls asleep at minutes 121, 361, 601, ... of a stage and wakes 120 minutes later, so a keeper
who comes by at the fourth minute of an hour finds every call of that hour still pending
(a call lasts two minutes). The generator counts the script's own time to place each visit;
a stage starts a second after the previous one ended (the change animation), the baby two
seconds after the egg's first minute.

Run it from anywhere: python3 tests/lives/make_lives.py
"""

import os

HOUR = 10  # pet minutes in a pet hour
BABY_MINUTES = 21
CHILD_MINUTES = 49 * HOUR
TEEN_MINUTES = 73 * HOUR
ADULT_MINUTES = 240  # MaxMinutes drawn from the queued 0 at the egg
# The routine starts this many seconds into its pet minute, so that the second or two that a
# stage change or a flush shifts the pet's clock against the script's never matters.
VISIT_SECOND = 10
# The adult's one snack and one lost game come with this visit.
TREAT_MINUTE = 14

ICON_FEED, ICON_LIGHT, ICON_PLAY, ICON_MEDICINE, ICON_FLUSH, ICON_DISCIPLINE = 0, 1, 2, 3, 4, 6


class Script:
    def __init__(self):
        self.lines = []
        self.now = 0.0  # seconds since start

    def add(self, *lines):
        self.lines.extend(lines)

    def wait(self, seconds):
        seconds = round(seconds, 2)
        if seconds > 0:
            self.add(f"wait {seconds:g}")
            self.now += seconds

    def wait_until(self, moment):
        if moment < self.now - 1e-9:
            raise ValueError(f"routine overran its slot: {self.now} > {moment}")
        self.wait(moment - self.now)

    # Every care action starts and ends on the plain main screen with no icon highlighted:
    # A walks the highlight to the icon, and three presses of C at the end close whatever the
    # action left open (a menu, an animation) and then remove the highlight. A press of C on
    # the plain screen only beeps, so the spare presses are harmless.
    def select(self, icon):
        self.add(*["press A"] * (icon + 1))

    def finish(self):
        self.add("press C", "press C", "press C")

    def meal(self):
        # Opens the feed menu on the meal row (never moved from it), confirms, and lets the
        # pet eat (or refuse) before closing the menu it returns to.
        self.select(ICON_FEED)
        self.add("press B", "press B")
        self.wait(2)
        self.finish()

    def medicine(self):
        self.select(ICON_MEDICINE)
        self.add("press B")
        self.wait(0.5)
        self.finish()

    def discipline(self):
        self.select(ICON_DISCIPLINE)
        self.add("press B")
        self.wait(0.5)
        self.finish()

    def flush(self):
        # The wave crosses the screen in well under a second; C then ends the happy display.
        self.select(ICON_FLUSH)
        self.add("press B")
        self.wait(1.5)
        self.finish()

    def snack_and_meal(self):
        # The snack is one A below the meal. The meal that follows is chosen from the snack row
        # (A wraps back up), so the menu opens on the meal again at every later visit.
        self.select(ICON_FEED)
        self.add("press B", "press A", "press B")
        self.wait(2)
        self.add("press A", "press B")
        self.wait(2)
        self.finish()

    def game(self, turns_won):
        # Game A, five turns. The guess is always "left" (A); the pet's turn is drawn from the
        # generator, so a queued draw below one half makes a turn won and one above makes it
        # lost: the keeper's luck is fixed, not left to the seed. After the guess, A skips the
        # result and A again the pet's reaction; after the fifth turn A skips the final score,
        # C ends the reaction (which starts a new game at its title) and C quits.
        self.select(ICON_PLAY)
        self.add("press B")
        self.wait(1)  # the title
        for turn in range(5):
            self.add("rnd 0.25" if turn < turns_won else "rnd 0.75")
            self.add("press A", "press A", "press A")
            self.wait(0.2)
        self.add("press A", "press C", "press C", "press C")
        self.wait(0.2)

    def lost_game(self):
        # Game A, five turns guessed "right" (B). The pet does not play at every visit, and the
        # draws queued for a game it did not play wait for the next one, so the draws this game
        # sees are those of earlier games: runs of three below one half and two above. Guessing
        # right wins only the two above, whichever run it meets; the draws it queues itself (all
        # below one half) would win none.
        self.select(ICON_PLAY)
        self.add("press B")
        self.wait(1)  # the title
        for _ in range(5):
            self.add("rnd 0.25", "press B", "press A", "press A")
            self.wait(0.2)
        self.add("press A", "press C", "press C", "press C")
        self.wait(0.2)

    def light(self, off):
        # The light menu opens on the row chosen last; waking switches the light on and puts
        # the menu back on "on", so "off" is always one A below.
        self.select(ICON_LIGHT)
        self.add("press B")
        if off:
            self.add("press A")
        self.add("press B")
        self.finish()


def stage_times():
    """Script second at which each stage's minute 0 begins."""
    baby = 62.0
    child = baby + BABY_MINUTES * 60 + 1
    teen = child + CHILD_MINUTES * 60 + 1
    adult = teen + TEEN_MINUTES * 60 + 1
    return {"baby": baby, "child": child, "teen": teen, "adult": adult}


RECORD = "NeedCount CareWhenNeed DisciplineWhenNeed TotalNeedCount PlayCounter SnackCount Discipline Weight Sickness"


def write_life(path, keeper, header, teen, adult, seed=11):
    s = Script()
    s.add("# SPDX-License-Identifier: GPL-3.0-or-later", *header)
    s.add("store InsulatingSheet 0", "store CharacterNo 0", "clock 08:00:00",
          "# The first draw of the new egg is its life length: 0 gives the shortest, 240 minutes.",
          "rnd 0", "start", f"seed {seed}", "get CharacterNo MaxMinutes", '#> {"CharacterNo": 0, "MaxMinutes": 240}')
    times = stage_times()

    def at(stage, minute, second=VISIT_SECOND):
        s.wait_until(times[stage] + minute * 60 + second)

    # The baby: it hatches calling, is fed and played with at once, drops at minute 5, sleeps
    # from minute 11 to 13 and falls ill at minute 14 (two doses cure it).
    at("baby", 0, 5)
    s.add("get CharacterNo MinuteCount", '#> {"CharacterNo": 1}')
    keeper.baby(s, at)

    for stage, length in (("child", CHILD_MINUTES), ("teen", TEEN_MINUTES), ("adult", ADULT_MINUTES)):
        at(stage, 0, 5)
        s.add(f"# {stage} stage begins", "get CharacterNo MinuteCount")
        expected = {"child": 2, "teen": teen, "adult": adult}[stage]
        s.add(f'#> {{"CharacterNo": {expected}, "MinuteCount": 0}}')
        for hour in range(length // HOUR + 1):
            for minute in range(hour * HOUR, hour * HOUR + HOUR):
                if minute >= length:
                    break
                keeper.minute(s, at, stage, minute)
        if stage != "adult":
            at(stage, length - 1, 30)
            s.add(f"# the care record that decides what the {stage} becomes", f"get CharacterNo {RECORD}")

    # The adult's stage ends at minute 240 while it sleeps; it dies the minute after it wakes
    # (242), and the dying animation takes about 80 seconds.
    at("adult", 242, 0)
    s.wait(120)
    s.add("get CharacterNo Age", '#> {"CharacterNo": 12}')
    s.add("# The arrow keys for A and C (the buttons held together) start a new egg on release.",
          "key 37 down", "key 39 down", "key 37 up", "key 39 up",
          "get CharacterNo Weight MinuteCount", '#> {"CharacterNo": 0, "Weight": 0, "MinuteCount": 0}')
    with open(path, "w") as out:
        out.write("\n".join(s.lines) + "\n")
    return s.now


def bedtime(minute):
    return minute > 120 and minute % 120 == 1


class CaringKeeper:
    """Comes by a minute after every hourly needs step: two doses of medicine (a fresh illness
    may need both), discipline, a meal, a flush, and every other hour one game of which the
    keeper wins three turns; switches the light off at bedtime and on at waking.

    Disciplining before feeding counts a pending hunger or unhappiness call as met with
    discipline; the meal or a won game then answers it. Playing every other hour lets the
    pet's happiness run down now and then, so the pet calls and the keeper answers: a teen
    that is kept so full and happy that it never calls at all has the same empty care record
    as a neglected one and grows into the same adult."""

    def __init__(self, wins=3, feed_every=1, play_every=2):
        self.wins = wins
        self.feed_every = feed_every
        self.play_every = play_every

    def visit(self, s, hour=0, treat=False):
        s.medicine()
        s.medicine()
        s.discipline()
        if treat:
            s.snack_and_meal()
            s.lost_game()
        else:
            if hour % self.feed_every == 0:
                s.meal()
            if hour % self.play_every == 0:
                s.game(self.wins)
        s.flush()

    def baby(self, s, at):
        self.visit(s)
        at("baby", 6)
        s.flush()
        at("baby", 11)
        s.light(off=True)
        at("baby", 13)
        s.light(off=False)
        at("baby", 14)
        self.visit(s)

    def minute(self, s, at, stage, minute):
        if bedtime(minute):
            at(stage, minute)
            s.light(off=(minute // 120) % 2 == 1)
        elif minute % HOUR == 4:
            at(stage, minute)
            # Once in its life, when its character no longer changes, the adult gets a snack
            # and a game its keeper loses.
            self.visit(s, minute // HOUR, treat=stage == "adult" and minute == TREAT_MINUTE)


class LightKeeper:
    """Only ever switches the light: off when the pet falls asleep and calls for it, on when it
    wakes. Turning the light off for a sleeping pet is the one care it ever gets, and it also
    winds the neglect clock back, so the pet lives to old age without anything else."""

    def baby(self, s, at):
        at("baby", 11)
        s.light(off=True)
        at("baby", 13)
        s.light(off=False)

    def minute(self, s, at, stage, minute):
        if bedtime(minute):
            at(stage, minute)
            s.light(off=(minute // 120) % 2 == 1)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    lives = [
        ("growth_life_good_care.sim", CaringKeeper(), 3, 6, [
            "# A whole life under good care, given only with the buttons. Generated by make_lives.py:",
            "# edit and rerun that instead. A minute after every hourly needs step the keeper gives",
            "# medicine twice, disciplines, feeds a meal and flushes, and every other hour plays one game",
            "# (three turns won); the light goes off at bedtime and on at waking. The pet grows egg,",
            "# baby, child, the well-cared-for teen 3 and the disciplined adult 6, lives its 240",
            "# minutes and dies of old age. Once, as an adult, it is given a snack and a game its",
            "# keeper loses.",
        ]),
        ("growth_life_neglect.sim", LightKeeper(), 4, 9, [
            "# A whole life under neglect, given only with the buttons. Generated by make_lives.py:",
            "# edit and rerun that instead. The keeper only switches the light off when the pet falls",
            "# asleep and on when it wakes; that alone keeps the neglect clock from running out. The",
            "# baby's illness is never treated, so the pet stays ill (and too ill to call) all its life.",
            "# It grows egg, baby, child, the poorly cared-for teen 4 and the adult 9, lives its 240",
            "# minutes and dies of old age.",
        ]),
    ]
    for name, keeper, teen, adult, header in lives:
        seconds = write_life(os.path.join(here, name), keeper, header, teen, adult)
        print(f"{name}: {seconds / 60:.0f} pet minutes")


if __name__ == "__main__":
    main()
