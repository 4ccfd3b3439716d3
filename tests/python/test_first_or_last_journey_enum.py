"""FirstOrLastJourneyEnum: its four members, repr, int and comparisons."""

import operator

import pytest

import quaymark

E = quaymark.FirstOrLastJourneyEnum
MEMBERS = [("FirstServiceOfDay", 0), ("LastServiceOfDay", 1), ("OtherService", 2), ("Unspecified", 3)]


@pytest.mark.parametrize("name, number", MEMBERS)
def test_members(name, number):
    member = getattr(E, name)
    assert type(member) is E
    assert member is getattr(E, name) is getattr(E.Unspecified, name)
    assert repr(member) == str(member) == f"FirstOrLastJourneyEnum.{name}"
    assert int(member) == number and type(int(member)) is int
    assert bool(member) is True


class Index:
    def __index__(self):
        return 2


@pytest.mark.parametrize("left, right, equal", [
    (E.FirstServiceOfDay, 0, True),
    (E.FirstServiceOfDay, False, True),
    (E.LastServiceOfDay, True, True),
    (E.OtherService, Index(), True),
    (E.OtherService, 3, False),
    (E.FirstServiceOfDay, -1, False),
    (E.Unspecified, 2**64 + 3, False),
    (E.FirstServiceOfDay, 0.0, False),
    (E.LastServiceOfDay, "LastServiceOfDay", False),
    (E.OtherService, E.OtherService, True),
    (E.OtherService, E.Unspecified, False),
    (E.OtherService, None, False),
])
def test_equality(left, right, equal):
    assert (left == right) is equal
    assert (left != right) is (not equal)
    assert (right == left) is equal


@pytest.mark.parametrize("op", [operator.lt, operator.le, operator.gt, operator.ge])
def test_no_ordering(op):
    with pytest.raises(TypeError):
        op(E.FirstServiceOfDay, E.LastServiceOfDay)
    with pytest.raises(TypeError):
        op(E.FirstServiceOfDay, 1)


def test_unhashable_and_no_index():
    with pytest.raises(TypeError):
        hash(E.Unspecified)
    with pytest.raises(TypeError):
        {E.Unspecified}
    with pytest.raises(TypeError):
        operator.index(E.OtherService)
    with pytest.raises(TypeError):
        [1, 2, 3][E.LastServiceOfDay]


def test_class_surface():
    assert [n for n in vars(E) if not n.startswith("__")] == [n for n, _ in MEMBERS]
    with pytest.raises(TypeError, match="^No constructor defined$"):
        E(0)
